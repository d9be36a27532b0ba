#pragma once

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

class ListBox final : public QListWidget {
public:
    ListBox(QWidget* parent, std::function<void()> onUserChoice);

    int CurSel() const;  // -1 when nothing is selected

    void ProgramReset();
    void ProgramInsert(int index, const QString& text);
    void ProgramSetCurSel(int index);

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

}  // namespace ui::qt
