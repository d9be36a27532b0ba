#pragma once

#include <QTableWidget>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/grid.h"
#include "ui/qt/dialog_units.h"

// A grid on a QTableWidget: cells edited in place (a line edit, or a combo
// box for a column of choices) or, read-only, rows to read, select and copy.
// It reports the user's doings and only those: a committed new text, a move
// to another row, Ctrl+V or Paste while no cell is being edited. What the
// program sets reports nothing.
namespace ui::qt {

class GridView final : public QTableWidget {
public:
    struct Reports {
        std::function<void(int row, int column)> cellChanged;
        std::function<void(int row, int column)> rowChanged;
        std::function<void(int row, int column)> paste;
    };

    GridView(QWidget* parent, bool readOnly, Reports reports);

    void ProgramSetColumns(const std::vector<GridColumn>& columns, BaseUnits units);
    void ProgramSetRows(const GridRows& rows);
    void ProgramSetCurrent(int row, int column);
    void ProgramMark(int row, int column, const QString& problem, MarkKind kind = MarkKind::Problem);
    std::string Text(int row, int column) const;
    GridCell Current() const;
    bool ReadOnly() const { return m_readOnly; }
    const std::vector<GridColumn>& Columns() const { return m_columns; }
    bool IsMarked(int row, int column) const { return m_marks.count({row, column}) != 0; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnItemChanged(QTableWidgetItem* changed);
    void ApplyMark(QTableWidgetItem& cell, int row, int column);
    void CopyRows();
    Qt::ItemFlags FlagsOf(int column) const;

    bool m_readOnly;
    Reports m_reports;
    std::vector<GridColumn> m_columns;
    // The texts as last committed or set, so that only a new text reports.
    std::vector<std::vector<QString>> m_texts;
    std::map<std::pair<int, int>, std::pair<QString, MarkKind>> m_marks;
    int m_programDepth = 0;
};

}  // namespace ui::qt
