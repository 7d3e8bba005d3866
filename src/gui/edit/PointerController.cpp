#include "edit/PointerController.h"

#include <QPainter>

#include "model/Project.h"

namespace zorind {

PointerController::PointerController(Project& project, QObject* parent) : QObject(parent), project_(project) {}

// The pointer handlers are filled in with the editing commands.
void PointerController::pressed(Qt::MouseButton, QPoint) {}

void PointerController::moved(QPoint) {}

void PointerController::released(Qt::MouseButton, QPoint) {}

void PointerController::paintOverlay(QPainter&) {}

} // namespace zorind
