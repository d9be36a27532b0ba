#include "ui/qt/grid_view.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <set>

#include "lang/tr.h"

namespace ui::qt {
namespace {

const QColor kMarkedBackground(255, 214, 214);
const QColor kWarnedBackground(255, 236, 170);

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A combo box for a column of choices, dropped down as it opens; choosing
// commits at once, as a spreadsheet's list cell does.
class GridDelegate final : public QStyledItemDelegate {
public:
    explicit GridDelegate(GridView& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        const std::vector<GridColumn>& columns = m_grid.Columns();
        const auto column = static_cast<std::size_t>(index.column());
        if (column >= columns.size() || columns[column].choices.empty()) {
            return QStyledItemDelegate::createEditor(parent, option, index);
        }
        auto* combo = new QComboBox(parent);
        for (const std::string& choice : columns[column].choices) combo->addItem(FromUtf8(choice));
        connect(combo, &QComboBox::activated, this, [this, combo] {
            emit const_cast<GridDelegate*>(this)->commitData(combo);
            emit const_cast<GridDelegate*>(this)->closeEditor(combo, QAbstractItemDelegate::NoHint);
        });
        QTimer::singleShot(0, combo, [combo] { combo->showPopup(); });
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString()));
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            if (combo->currentIndex() >= 0) model->setData(index, combo->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    GridView& m_grid;
};

}  // namespace

GridView::GridView(QWidget* parent, bool readOnly, Reports reports)
    : QTableWidget(parent), m_readOnly(readOnly), m_reports(std::move(reports)) {
    setItemDelegate(new GridDelegate(*this));
    verticalHeader()->hide();
    // Rows as tall as a line of text and a little room, as a list's are.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    // A grid made wider than its columns gives the room to the last one (the
    // results' details), rather than to an empty strip.
    horizontalHeader()->setStretchLastSection(true);
    setWordWrap(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    if (readOnly) {
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setSelectionMode(QAbstractItemView::ExtendedSelection);
    } else {
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed);
        setSelectionBehavior(QAbstractItemView::SelectItems);
        setSelectionMode(QAbstractItemView::SingleSelection);
    }
    connect(this, &QTableWidget::itemChanged, this, &GridView::OnItemChanged);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column, int previousRow, int) {
        if (m_programDepth == 0 && row != previousRow && row >= 0 && m_reports.rowChanged) {
            m_reports.rowChanged(row, column);
        }
    });
}

Qt::ItemFlags GridView::FlagsOf(int column) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_readOnly && m_columns[static_cast<std::size_t>(column)].editable) flags |= Qt::ItemIsEditable;
    return flags;
}

void GridView::ProgramSetColumns(const std::vector<GridColumn>& columns, BaseUnits units) {
    ++m_programDepth;
    m_columns = columns;
    m_texts.clear();
    m_marks.clear();
    setRowCount(0);
    setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const GridColumn& column : columns) titles << FromUtf8(column.title);
    setHorizontalHeaderLabels(titles);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        setColumnWidth(static_cast<int>(i), HorizontalPixels(columns[i].width, units));
    }
    --m_programDepth;
}

// Only the cells whose text changed are touched, so an editor open in
// another cell stays open and the view keeps its place.
void GridView::ProgramSetRows(const GridRows& rows) {
    ++m_programDepth;
    const int count = static_cast<int>(rows.size());
    const int columns = columnCount();
    if (rowCount() != count) setRowCount(count);
    m_texts.resize(rows.size());
    for (int row = 0; row < count; ++row) {
        std::vector<QString>& texts = m_texts[static_cast<std::size_t>(row)];
        texts.resize(static_cast<std::size_t>(columns));
        const std::vector<std::string>& cells = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < columns; ++column) {
            const QString text = static_cast<std::size_t>(column) < cells.size()
                                     ? FromUtf8(cells[static_cast<std::size_t>(column)])
                                     : QString();
            QTableWidgetItem* existing = item(row, column);
            if (existing == nullptr) {
                auto* created = new QTableWidgetItem(text);
                created->setFlags(FlagsOf(column));
                setItem(row, column, created);
            } else if (existing->text() != text) {
                existing->setText(text);
            }
            texts[static_cast<std::size_t>(column)] = text;
        }
    }
    for (auto mark = m_marks.begin(); mark != m_marks.end();) {
        mark = mark->first.first >= count ? m_marks.erase(mark) : std::next(mark);
    }
    --m_programDepth;
}

void GridView::ProgramSetCurrent(int row, int column) {
    ++m_programDepth;
    if (row >= 0 && row < rowCount() && column >= 0 && column < columnCount()) {
        setCurrentCell(row, column);
    } else {
        setCurrentIndex(QModelIndex());
    }
    --m_programDepth;
}

void GridView::ProgramMark(int row, int column, const QString& problem, MarkKind kind) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return;
    ++m_programDepth;
    if (problem.isEmpty()) {
        m_marks.erase({row, column});
    } else {
        m_marks[{row, column}] = {problem, kind};
    }
    if (QTableWidgetItem* cell = item(row, column)) ApplyMark(*cell, row, column);
    --m_programDepth;
}

// A light red cell (light yellow for a warning), its problem as the tooltip
// and for a screen reader.
void GridView::ApplyMark(QTableWidgetItem& cell, int row, int column) {
    const auto found = m_marks.find({row, column});
    if (found == m_marks.end()) {
        cell.setData(Qt::BackgroundRole, QVariant());
        cell.setToolTip(QString());
        cell.setData(Qt::AccessibleDescriptionRole, QVariant());
        return;
    }
    const auto& [problem, kind] = found->second;
    cell.setBackground(kind == MarkKind::Warning ? kWarnedBackground : kMarkedBackground);
    cell.setForeground(QColor(Qt::black));
    cell.setToolTip(problem);
    cell.setData(Qt::AccessibleDescriptionRole, problem);
}

std::string GridView::Text(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) return {};
    const QByteArray bytes = cell->text().toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

GridCell GridView::Current() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? GridCell{index.row(), index.column()} : GridCell{};
}

// Every change of an item's data comes here; only a user's new text reports.
void GridView::OnItemChanged(QTableWidgetItem* changed) {
    if (m_programDepth != 0) return;
    const auto row = static_cast<std::size_t>(changed->row());
    const auto column = static_cast<std::size_t>(changed->column());
    if (row >= m_texts.size() || column >= m_texts[row].size()) return;
    if (m_texts[row][column] == changed->text()) return;
    m_texts[row][column] = changed->text();
    if (m_reports.cellChanged) m_reports.cellChanged(changed->row(), changed->column());
}

// Enter commits and moves down, Tab right, Shift+Tab left; the next cell
// is not opened for editing.
void GridView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    const QModelIndex index = currentIndex();
    if (!index.isValid()) return;
    int row = index.row();
    int column = index.column();
    if (hint == QAbstractItemDelegate::SubmitModelCache) ++row;
    if (hint == QAbstractItemDelegate::EditNextItem) ++column;
    if (hint == QAbstractItemDelegate::EditPreviousItem) --column;
    if (row < rowCount() && column >= 0 && column < columnCount()) setCurrentCell(row, column);
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState) {
        if (!m_readOnly && event->matches(QKeySequence::Paste)) {
            const GridCell cell = Current();
            if (m_reports.paste) m_reports.paste(cell.row, cell.column);
            return;
        }
        if (m_readOnly && event->matches(QKeySequence::Copy)) {
            CopyRows();
            return;
        }
        // Alt+Down drops a choice cell's list down, as it does a combo box's.
        const QModelIndex index = currentIndex();
        if (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier) != 0 && index.isValid() &&
            !m_columns[static_cast<std::size_t>(index.column())].choices.empty()) {
            edit(index);
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

// The selected rows, a line each with the cells between tabs.
void GridView::CopyRows() {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.insert(index.row());
    if (rows.empty() && currentIndex().isValid()) rows.insert(currentIndex().row());
    QString text;
    for (int row : rows) {
        for (int column = 0; column < columnCount(); ++column) {
            if (column > 0) text += QLatin1Char('\t');
            if (const QTableWidgetItem* cell = item(row, column)) text += cell->text();
        }
        text += QLatin1Char('\n');
    }
    if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    if (state() == QAbstractItemView::EditingState) return;
    QMenu menu(this);
    QAction* action = menu.addAction(QString::fromUtf8(m_readOnly ? lang::Tr("&Copy") : lang::Tr("&Paste")));
    action->setShortcut(m_readOnly ? QKeySequence::Copy : QKeySequence::Paste);
    if (menu.exec(event->globalPos()) != action) return;
    if (m_readOnly) {
        CopyRows();
    } else if (m_reports.paste) {
        const GridCell cell = Current();
        m_reports.paste(cell.row, cell.column);
    }
}

}  // namespace ui::qt
