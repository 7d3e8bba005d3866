#pragma once

#include <QObject>
#include <QPoint>

class QPainter;

namespace zorind {

struct Project;

// Carries the pointer handlers of the drawing area out on the window: the
// drawing area hands it every press, move and release, and it draws its
// feedback (markers, rubber band) over the painted model.
class PointerController : public QObject {
    Q_OBJECT
public:
    explicit PointerController(Project& project, QObject* parent = nullptr);

    void pressed(Qt::MouseButton button, QPoint position);
    void moved(QPoint position);
    void released(Qt::MouseButton button, QPoint position);

    // Draws the feedback that lies over the model picture.
    void paintOverlay(QPainter& painter);

    // The client-area position of the last right press that opened a
    // popup menu; the popup commands act there.
    QPoint popupPoint() const { return popupPoint_; }

private:
    Project& project_;
    QPoint popupPoint_;
};

} // namespace zorind
