#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QAbstractItemView;
class QDialog;

namespace zorind {

// Cells made by the core, for a list window.
QStringList qtCells(const std::vector<std::string>& cells);

// The copy texts of a list's headings and rows as tab-separated text (see
// tabSeparatedText).
QString tabSeparatedCells(const QStringList& headings, const std::vector<QStringList>& rows);

// "Kopiuj" (Ctrl+C) of a read-only list window: in the view's context menu
// and on the keyboard anywhere in the window, it puts `text()` on the
// clipboard. The view's own Ctrl+C, which copies one cell, gives way to it.
void addCopyCommand(QDialog* window, QAbstractItemView* view, std::function<QString()> text);

// The rows of the view that hold a selected item, in order; empty when
// nothing is selected.
std::vector<int> selectedRows(const QAbstractItemView* view);

} // namespace zorind
