#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

namespace zorind {

class PointerController;

// The client area below the tool bars, where the model is drawn. The pixel
// margins are measured from its own edges, so no part of the model lies
// hidden under the tool bars. It keeps the picture of the model in an image
// and paints the model into it only when the model changed (repaintModel,
// a resize); the pointer feedback (markers, new elements, the rubber band)
// is drawn onto that picture between repaints, so a pointer move costs two
// line drawings and no repaint of the model. Every pointer event (presses,
// moves, releases, the wheel) goes to the pointer controller; no rule lives
// here. A click gives it the keyboard focus, so that the keys of the
// drawing reach the main window rather than a selector of the tool bar.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    using PaintFunction = std::function<void(QPainter&, int clientWidth, int clientHeight)>;

    explicit DrawingArea(QWidget* parent = nullptr);

    void setPainter(PaintFunction paint) { paint_ = std::move(paint); }
    void setPointerController(PointerController* pointer) { pointer_ = pointer; }
    void setResizeHandler(std::function<void()> onResize) { onResize_ = std::move(onResize); }

    // The model changed: it is painted afresh at the next paint, which also
    // wipes the pointer feedback.
    void repaintModel();
    // The same, painted on the screen at once (before a message box opens).
    void repaintModelNow();
    // Brings the picture up to date now, painting the model if it is due.
    void ensurePicture();
    // What the drawing area shows (model and feedback).
    const QImage& picture() const { return picture_; }
    // How often the model has been painted into the picture.
    int modelPaints() const { return modelPaints_; }

    // Pointer feedback, drawn onto the picture (nothing while the model is
    // due for a repaint anyway).
    void drawNodeMarker(QPoint topLeft, QPoint bottomRight);
    void drawElementLine(QPoint from, QPoint to);
    void invertRubberBand(QPoint from, QPoint to);

    // The rubber band: every pixel under a dotted line 2 pixels wide is
    // inverted, so the same call once more restores the picture. The line
    // is clipped to `bounds` first (far ends would make it endless).
    static void invertLine(QPainter& painter, QPoint from, QPoint to, const QRect& bounds);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Whether feedback can be drawn onto the picture now.
    bool pictureCurrent() const { return !modelDue_ && !picture_.isNull(); }
    void drawOnPicture(const std::function<void(QPainter&)>& draw, QRect changed);

    PaintFunction paint_;
    std::function<void()> onResize_;
    PointerController* pointer_ = nullptr;
    QImage picture_;
    bool modelDue_ = true;
    int modelPaints_ = 0;
};

} // namespace zorind
