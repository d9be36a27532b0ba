#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "draw/drawing.h"

#include "res/dialog_template.h"
#include "res/item_table.h"
#include "ui/grid.h"

namespace ui {

class CDialog;

// A control wrapper: drives one control of its dialog, by id, for as long as
// the binding step of the current opening bound it.
class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    void ShowWindow(int command);  // SW_SHOW or SW_HIDE
    bool IsWindowVisible() const;
    void EnableWindow(bool enable);
    void SetFocus();
    // For an edit the change event reaches the dialog before this returns.
    void SetWindowText(std::string_view text);
    void GetWindowText(std::string& out) const;
    int GetDlgCtrlID() const { return m_id; }

    // Whether a control of this kind may be driven by this wrapper.
    virtual bool Accepts(res::ControlKind kind) const = 0;

private:
    friend class CDialog;
    void Attach(CDialog* dialog, int id, res::ControlKind kind) {
        m_dialog = dialog;
        m_id = id;
        m_isEdit = kind == res::ControlKind::Edit;
    }
    void Detach() { m_dialog = nullptr; }

protected:
    CDialog& Dialog() const;

private:
    CDialog* m_dialog = nullptr;
    int m_id = 0;
    bool m_isEdit = false;
};

class CEdit : public CWnd {
public:
    bool Accepts(res::ControlKind kind) const override { return kind == res::ControlKind::Edit; }
};

class CStatic : public CWnd {
public:
    bool Accepts(res::ControlKind kind) const override {
        return kind == res::ControlKind::Static || kind == res::ControlKind::Icon;
    }
};

// Push buttons and group frames alike.
class CButton : public CWnd {
public:
    bool Accepts(res::ControlKind kind) const override {
        return kind == res::ControlKind::Button || kind == res::ControlKind::Frame;
    }
};

class CListBox : public CWnd {
public:
    bool Accepts(res::ControlKind kind) const override { return kind == res::ControlKind::List; }

    // None of these raises a selection change.
    void ResetContent();
    int InsertString(int index, std::string_view text);
    int GetCurSel() const;  // LB_ERR (-1) when nothing is selected
    void SetCurSel(int index);
    // Inserts the table's items at positions 0, 1, 2 ... after what is there,
    // in the process's language.
    void InsertItems(const res::ItemTable& items);
};

// A chart: shows the drawing list it is given until it is given another.
class CChart : public CWnd {
public:
    bool Accepts(res::ControlKind kind) const override { return kind == res::ControlKind::Chart; }
    void SetDrawing(const std::shared_ptr<const draw::Chart>& drawing);
};

// A grid: a table editable in place, or read-only (kReadOnly). None of these
// raises a notification.
class CGrid : public CWnd {
public:
    bool Accepts(res::ControlKind kind) const override { return kind == res::ControlKind::Grid; }
    void SetColumns(const std::vector<GridColumn>& columns);
    void SetRows(const GridRows& rows);
    void GetCell(int row, int column, std::string& out) const;
    void SetCurrentCell(int row, int column);
    GridCell GetCurrentCell() const;
    void MarkCell(int row, int column, std::string_view problem);
    void WarnCell(int row, int column, std::string_view warning);
};

// The system menu of a dialog.
class CMenu {
public:
    explicit CMenu(CDialog& dialog) : m_dialog(dialog) {}
    void AppendMenu(unsigned flags, unsigned commandId = 0, std::string_view text = {});

private:
    CDialog& m_dialog;
};

}  // namespace ui
