#pragma once

#include <QComboBox>
#include <QListWidget>

#include <functional>

// A single-selection list box that reports the user's choices, and only
// those: one report per choice by mouse (on the button's release, also when
// the item chosen was already selected) or by keyboard (when the selection
// moved), and one for a choice made through the accessibility interface.
// The program's own fills, empties and selects report nothing. The user can
// choose another item but never clear the selection, and the keyboard focus
// alone selects nothing.
namespace ui::qt {

// What the dialog layer does to a list of either look.
class ListControl {
public:
    virtual int CurSel() const = 0;  // -1 when nothing is selected
    virtual void ProgramReset() = 0;
    virtual void ProgramInsert(int index, const QString& text) = 0;
    virtual void ProgramSetCurSel(int index) = 0;

protected:
    ~ListControl() = default;
};

class ListBox final : public QListWidget, public ListControl {
public:
    ListBox(QWidget* parent, std::function<void()> onUserChoice);

    int CurSel() const override;

    void ProgramReset() override;
    void ProgramInsert(int index, const QString& text) override;
    void ProgramSetCurSel(int index) override;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnSelectionChanged();

    std::function<void()> m_onUserChoice;
    int m_programDepth = 0;      // inside a change the program makes
    bool m_inUserInput = false;  // inside a mouse or key handler, which reports by itself
    bool m_pressedOnItem = false;
};

// A drop-down list (res::kDropDown) with the same promise: one report per
// choice the user makes, by mouse, keyboard or wheel, also of the item
// already chosen; none for the program's own fills and choices. It may show
// no choice until the user makes one.
class DropDownList final : public QComboBox, public ListControl {
public:
    DropDownList(QWidget* parent, std::function<void()> onUserChoice);

    int CurSel() const override { return currentIndex(); }
    void ProgramReset() override { clear(); }
    void ProgramInsert(int index, const QString& text) override;
    void ProgramSetCurSel(int index) override;
};

}  // namespace ui::qt
