#include "tests/qt/ui_actions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <stdexcept>

#include "ui/qt/qt_dialog.h"

namespace halvex_test {
namespace {

QWidget& Usable(QWidget& top, int id) {
    QWidget& widget = ControlOf(top, id);
    if (!widget.isVisible()) throw std::logic_error("control " + std::to_string(id) + " is not visible");
    return widget;
}

}  // namespace

ui::qt::QtDialog& Dialog(QWidget& top) {
    auto* dialog = dynamic_cast<ui::qt::QtDialog*>(&top);
    if (dialog == nullptr) throw std::logic_error("the window on top is not a dialog");
    return *dialog;
}

QWidget& ControlOf(QWidget& top, int id) {
    QWidget* widget = Dialog(top).Control(id);
    if (widget == nullptr) throw std::logic_error("no control " + std::to_string(id));
    return *widget;
}

void Click(QWidget& top, int buttonId) { QTest::mouseClick(&Usable(top, buttonId), Qt::LeftButton); }

void ChooseMenuItem(QWidget& top, int commandId) {
    QAction* action = Dialog(top).MenuAction(commandId);
    if (action == nullptr) throw std::logic_error("no menu item " + std::to_string(commandId));
    action->trigger();
}

void CloseWindow(QWidget& top) { top.close(); }

// A drop-down list is dropped with Alt+Down and the item chosen with the
// keys: a click in the list that has just dropped is one Qt ignores.
void ChooseItem(QWidget& top, int listId, int row, Qt::KeyboardModifiers modifiers) {
    if (auto* dropDown = qobject_cast<QComboBox*>(&Usable(top, listId))) {
        if (row < 0 || row >= dropDown->count()) throw std::logic_error("no row " + std::to_string(row));
        dropDown->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(dropDown, Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* view = dropDown->view();
        if (!view->isVisible()) throw std::logic_error("the list did not drop down");
        QTest::keyClick(view, Qt::Key_Home);
        for (int i = 0; i < row; ++i) QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return, modifiers);
        return;
    }
    auto& list = dynamic_cast<QListWidget&>(Usable(top, listId));
    if (row < 0 || row >= list.count()) throw std::logic_error("no row " + std::to_string(row));
    const QRect item = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, item.center());
}

void Type(QWidget& top, int editId, const QString& text) {
    QWidget& edit = Usable(top, editId);
    QTest::mouseClick(&edit, Qt::LeftButton);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&edit, text);
}

void Key(QWidget& top, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = top.focusWidget() != nullptr ? top.focusWidget() : &top;
    QTest::keyClick(target, key, modifiers);
}

void RightClick(QWidget& top, const QPoint& at) {
    QWidget* target = top.childAt(at) != nullptr ? top.childAt(at) : &top;
    const QPoint local = target->mapFrom(&top, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &event);
}

std::string Text(QWidget& top, int id) {
    std::string text;
    Dialog(top).GetControlText(id, text);
    return text;
}

bool Shown(QWidget& top, int id) { return !ControlOf(top, id).isHidden(); }

int Selection(QWidget& top, int listId) { return Dialog(top).ListGetCurSel(listId); }

int FocusedId(QWidget& top) {
    ui::qt::QtDialog& dialog = Dialog(top);
    const int id = dialog.IdOf(dialog.focusWidget());
    return id == res::kNoId ? 0 : id;
}

std::string Padded(const std::string& number, const std::string& rest) {
    return std::string(number.size() < 12 ? 12 - number.size() : 0, ' ') + number + rest;
}

}  // namespace halvex_test
