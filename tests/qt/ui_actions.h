#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include <string>

class QWidget;

namespace ui::qt {
class QtDialog;
}

// A user's actions on real widgets, found by control id on the window on top.
// Each action goes through Qt's event delivery (QTest), as the user's would;
// acting on a hidden control is a fault of the test and throws.
namespace halvex_test {

ui::qt::QtDialog& Dialog(QWidget& top);
QWidget& ControlOf(QWidget& top, int id);

void Click(QWidget& top, int buttonId);
void ChooseItem(QWidget& top, int listId, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks into the edit, selects all its text and types over it, one key at
// a time.
void Type(QWidget& top, int editId, const QString& text);
// A key to whatever has the keyboard focus in the window.
void Key(QWidget& top, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Chooses the menu bar's item of that command: its action, as the menu
// triggers it. Throws when the window has no such item.
void ChooseMenuItem(QWidget& top, int commandId);
// The window's close box.
void CloseWindow(QWidget& top);
// A right click at that point of the window, as the platform reports it.
void RightClick(QWidget& top, const QPoint& at);

std::string Text(QWidget& top, int id);
bool Shown(QWidget& top, int id);
int Selection(QWidget& top, int listId);
// The id of the control that has the keyboard focus, or 0.
int FocusedId(QWidget& top);

// A number as "%12.4g" prints it: right-aligned in twelve characters, then
// the rest of the format.
std::string Padded(const std::string& number, const std::string& rest);

}  // namespace halvex_test
