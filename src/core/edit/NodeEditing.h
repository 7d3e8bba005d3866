#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/session/Project.h"
#include "core/ui/Interaction.h"
#include "core/ui/Messages.h"

namespace zorind {

// Opens one of the small modal dialogs (node, element, internal point,
// number prompt) and says whether it closed with OK. An entry dialog whose
// OK was refused ("Złe dane") closes as cancelled, so an add command takes
// its new entry back on every answer but a stored one. The dialog reads and
// writes `selectedNumber`; the command sets it before and reads it after.
using DialogCall = std::function<bool()>;

// What the number prompt asks for; the kind is handed to it in
// `selectedNumber`, and the number typed comes back there (-1 when the text
// is not a whole number).
enum class PromptKind : int32_t {
    Node = 1,          // "Numer węzła"
    Element = 2,       // "Numer elementu"
    InternalPoint = 3, // "Nr węz. wewnętrznego"
    PointsPerAxis = 8, // "Ilość punktów w osi"
};

// Runs the number prompt for `kind`: the number typed, or nothing when the
// prompt was cancelled.
std::optional<int> promptForNumber(Project& project, PromptKind kind, const DialogCall& prompt);

// "Dodaj" > "&Węzeł": appends a node at (0, 0) and opens the node dialog on
// it; unless the dialog closes with OK the node goes again. A full table is
// refused with a message and nothing changes.
void addNode(Project& project, Interaction& ui, const DialogCall& nodeDialog);

// "Dodaj" > "&Element": with at least two nodes, appends the element
// (1, 1, 1, 1) and opens the element dialog on it; unless it closes with OK
// the element goes again. A full table is refused with a message.
void addElement(Project& project, Interaction& ui, const DialogCall& elementDialog);

// "Zmień" > "Współrzędne &węzła": the node dialog with a free number field,
// when there is a node.
void editNode(Project& project, const DialogCall& nodeDialog);

// "Zmień" > "Własności &elementu": the element dialog, when there is an
// element.
void editElement(Project& project, const DialogCall& elementDialog);

// "Usuń" > "&Węzeł": asks a node number and deletes that node, lowering the
// references above it; refused with a message while an element uses it.
// A cancelled prompt or a number naming no node does nothing.
void deleteNodeByNumber(Project& project, Interaction& ui, const DialogCall& prompt);

// "Usuń" > "&Element": asks an element number and deletes that element;
// its nodes stay.
void deleteElementByNumber(Project& project, const DialogCall& prompt);

// Popup "Usuń &węzeł" at the client pixel (px, py): the first node lying
// exactly (as float) on the grid point nearest to the pixel is offered, or
// when there is none the node drawn nearest to the pixel within the pick
// radius; on Yes it goes with every element that uses it. The grid point
// is taken whether or not the grid is switched on.
void deleteNodeAtPointer(Project& project, Interaction& ui, int px, int py);

// The node dialog's OK: node k gets (x, y). When k names no node or a
// coordinate is not a float number, "Złe dane" is shown and nothing is
// stored. Returns whether the node was stored.
bool storeNodeCoordinates(Project& project, Interaction& ui, std::optional<int> k, std::optional<double> x,
                          std::optional<double> y);

// The element dialog's OK and "Zastosuj": element k gets `values` as they
// are (references are not checked against the tables; the consistency check
// reports bad ones). When k names no element, "Błędne dane" is shown and
// nothing is stored. Returns whether the element was stored.
bool storeElementProperties(Project& project, Interaction& ui, std::optional<int> k, const Element& values);

// The element dialog's list items: "nr 3, x1.500, y-2.000" for node n,
// "nr 2, strumień 0.000 0.000 0.000" for condition c (a kind other than
// 1, 2, 3 reads "nieznany", but for elasticity's own kinds in an elasticity
// analysis, which read as the dialog names them), "nr 1, zewnętrzny" for boundary b (any kind but
// 1 is inner, as everywhere else).
std::string nodeItemText(const Project& project, int n);
std::string conditionItemText(const Project& project, int c);
std::string boundaryItemText(const Project& project, int b);

inline constexpr const char* kBadDataCaption = "Warunek brzegowy";
inline constexpr const char* kElementDialogTitle = "Własności elementu";
inline constexpr const char* kNothingPicked = "Nie wybrałeś żadnego węzła.";

} // namespace zorind
