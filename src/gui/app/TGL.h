#pragma once

#include <QMainWindow>

#include "app/QtInteraction.h"
#include "model/Project.h"

namespace zorind {

// The main window: a thin router from menus, tool bars and the pointer to
// the commands on the Project.
class TGL : public QMainWindow {
    Q_OBJECT
public:
    explicit TGL(QWidget* parent = nullptr);

    Project& project() { return project_; }
    Interaction& interaction() { return *ui_; }
    void setInteraction(Interaction* ui) { ui_ = ui ? ui : &qtUi_; }

    void refreshCaption();

private:
    Project project_;
    QtInteraction qtUi_;
    Interaction* ui_;
};

} // namespace zorind
