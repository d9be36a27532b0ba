#include "ui/qt/list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <stdexcept>

namespace ui::qt {
namespace {

// Marks a stretch of code, also one left by an exception.
class Flag {
public:
    explicit Flag(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~Flag() { m_flag = m_old; }
    Flag(const Flag&) = delete;
    Flag& operator=(const Flag&) = delete;

private:
    bool& m_flag;
    bool m_old;
};

class Depth {
public:
    explicit Depth(int& depth) : m_depth(depth) { ++m_depth; }
    ~Depth() { --m_depth; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;

private:
    int& m_depth;
};

}  // namespace

ListBox::ListBox(QWidget* parent, std::function<void()> onUserChoice)
    : QListWidget(parent), m_onUserChoice(std::move(onUserChoice)) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ListBox::OnSelectionChanged);
}

int ListBox::CurSel() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::ProgramReset() {
    Depth program(m_programDepth);
    clear();
}

void ListBox::ProgramInsert(int index, const QString& text) {
    if (index < 0 || index > count()) throw std::out_of_range("list insert position");
    Depth program(m_programDepth);
    insertItem(index, text);
}

void ListBox::ProgramSetCurSel(int index) {
    Depth program(m_programDepth);
    if (index < 0 || index >= count()) {
        clearSelection();
    } else {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
}

// Every choice selects exactly the one item chosen: no toggling, no clearing,
// and a click beside the items changes nothing.
QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index, const QEvent* /*event*/) const {
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    Flag input(m_inUserInput);
    m_pressedOnItem = indexAt(event->position().toPoint()).isValid();
    QListWidget::mousePressEvent(event);
}

void ListBox::mouseMoveEvent(QMouseEvent* event) {
    Flag input(m_inUserInput);
    QListWidget::mouseMoveEvent(event);
}

// The report comes when the button is released, as a push button's does, so
// that a dialog it opens starts with no mouse button held.
void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    {
        Flag input(m_inUserInput);
        QListWidget::mouseReleaseEvent(event);
    }
    if (event->button() == Qt::LeftButton && m_pressedOnItem) {
        m_pressedOnItem = false;
        m_onUserChoice();
    }
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = CurSel();
    {
        Flag input(m_inUserInput);
        QListWidget::keyPressEvent(event);
    }
    // The base handler has moved the selection, or not.
    // cppcheck-suppress knownConditionTrueFalse
    if (CurSel() != before) m_onUserChoice();
}

void ListBox::OnSelectionChanged() {
    if (m_programDepth == 0 && !m_inUserInput && CurSel() >= 0) m_onUserChoice();
}

// QComboBox's activated is the user's choice alone; setCurrentIndex does
// not raise it.
DropDownList::DropDownList(QWidget* parent, std::function<void()> onUserChoice) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    setMaxVisibleItems(12);
    connect(this, &QComboBox::activated, this, [report = std::move(onUserChoice)] { report(); });
}

void DropDownList::ProgramInsert(int index, const QString& text) {
    if (index < 0 || index > count()) throw std::out_of_range("list insert position");
    insertItem(index, text);
    // A first item is not a choice: the list shows none until one is made.
    if (count() == 1) setCurrentIndex(-1);
}

void DropDownList::ProgramSetCurSel(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

}  // namespace ui::qt
