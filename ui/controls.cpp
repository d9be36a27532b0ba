#include "ui/controls.h"

#include <stdexcept>

#include "lang/tr.h"
#include "ui/dialog.h"

namespace ui {

CDialog& CWnd::Dialog() const {
    if (m_dialog == nullptr) throw std::logic_error("control wrapper is not bound");
    return *m_dialog;
}

void CWnd::ShowWindow(int command) { Dialog().Window().ShowControl(m_id, command != SW_HIDE); }

bool CWnd::IsWindowVisible() const { return Dialog().Window().IsControlVisible(m_id); }

void CWnd::EnableWindow(bool enable) { Dialog().Window().EnableControl(m_id, enable); }

void CWnd::SetFocus() { Dialog().Window().FocusControl(m_id); }

void CWnd::SetWindowText(std::string_view text) {
    CDialog& dialog = Dialog();
    dialog.Window().SetControlText(m_id, text);
    if (m_isEdit) dialog.NotifyEditChanged(m_id);
}

void CWnd::GetWindowText(std::string& out) const { Dialog().Window().GetControlText(m_id, out); }

void CChart::SetDrawing(const std::shared_ptr<const draw::Chart>& drawing) {
    Dialog().Window().SetControlDrawing(GetDlgCtrlID(), drawing);
}

void CListBox::ResetContent() { Dialog().Window().ListReset(GetDlgCtrlID()); }

int CListBox::InsertString(int index, std::string_view text) {
    Dialog().Window().ListInsert(GetDlgCtrlID(), index, text);
    return index;
}

int CListBox::GetCurSel() const { return Dialog().Window().ListGetCurSel(GetDlgCtrlID()); }

void CListBox::SetCurSel(int index) { Dialog().Window().ListSetCurSel(GetDlgCtrlID(), index); }

void CListBox::InsertItems(const res::ItemTable& items) {
    int index = 0;
    for (const char* item : items) InsertString(index++, lang::Tr(item));
}

void CGrid::SetColumns(const std::vector<GridColumn>& columns) {
    Dialog().Window().GridSetColumns(GetDlgCtrlID(), columns);
}

void CGrid::SetRows(const GridRows& rows) { Dialog().Window().GridSetRows(GetDlgCtrlID(), rows); }

void CGrid::GetCell(int row, int column, std::string& out) const {
    Dialog().Window().GridGetCell(GetDlgCtrlID(), row, column, out);
}

void CGrid::SetCurrentCell(int row, int column) { Dialog().Window().GridSetCurrentCell(GetDlgCtrlID(), row, column); }

GridCell CGrid::GetCurrentCell() const { return Dialog().Window().GridCurrentCell(GetDlgCtrlID()); }

void CGrid::MarkCell(int row, int column, std::string_view problem) {
    Dialog().Window().GridMarkCell(GetDlgCtrlID(), row, column, problem);
}

void CGrid::WarnCell(int row, int column, std::string_view warning) {
    Dialog().Window().GridWarnCell(GetDlgCtrlID(), row, column, warning);
}

void CMenu::AppendMenu(unsigned flags, unsigned commandId, std::string_view text) {
    m_dialog.Window().AppendSystemMenu(flags, commandId, text);
}

}  // namespace ui
