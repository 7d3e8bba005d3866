#pragma once

#include <QWidget>
#include <functional>

class QPainter;

namespace zorind {

class PointerController;

// The client area below the tool bars, where the model is drawn. The pixel
// margins are measured from its own edges, so no part of the model lies
// hidden under the tool bars. It draws what its owner paints and hands
// every pointer event to the pointer controller; no rule lives here.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    using PaintFunction = std::function<void(QPainter&, int clientWidth, int clientHeight)>;

    explicit DrawingArea(QWidget* parent = nullptr);

    void setPainter(PaintFunction paint) { paint_ = std::move(paint); }
    void setPointerController(PointerController* pointer) { pointer_ = pointer; }
    void setResizeHandler(std::function<void()> onResize) { onResize_ = std::move(onResize); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PaintFunction paint_;
    std::function<void()> onResize_;
    PointerController* pointer_ = nullptr;
};

} // namespace zorind
