#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QTimer>

#include <map>
#include <vector>

#include "ui/qt/dialog_units.h"
#include "ui/window.h"

class QPainter;

namespace ui::qt {
class GridView;
}

// One dialog window on Qt Widgets, built from its template: every control
// at its template position converted from dialog units with the template's
// font, in template order (which is also the tab order and the order of the
// accessibility tree). The user's actions go to the sink; nothing the
// program does through DialogWindow raises anything.
namespace ui::qt {

class QtDialog final : public QDialog, public DialogWindow {
public:
    QtDialog(const res::DialogTemplate& dialogTemplate, DialogSink& sink, QWidget* parent);
    ~QtDialog() override;

    const res::DialogTemplate& Template() const override { return m_template; }
    void ShowControl(int id, bool show) override;
    bool IsControlVisible(int id) const override;
    void SetControlText(int id, std::string_view text) override;
    void GetControlText(int id, std::string& out) const override;
    void ListReset(int id) override;
    void ListInsert(int id, int index, std::string_view text) override;
    int ListGetCurSel(int id) const override;
    void ListSetCurSel(int id, int index) override;
    void AppendSystemMenu(unsigned flags, unsigned commandId, std::string_view text) override;
    void SetIcon(bool big, int iconId) override;
    void SetControlDrawing(int id, const std::shared_ptr<const draw::Chart>& drawing) override;
    bool SaveControlPicture(int id, const std::string& path) override;
    std::vector<std::string> ControlPictureExtensions() const override { return {"png", "pdf"}; }
    bool IsIconic() const override;
    Size ClientSize() const override;
    Size IconSize() const override;
    void DrawIcon(int x, int y, int iconId) override;
    void SystemCommand(unsigned commandId) override;
    void AddControlCommand(unsigned commandId, std::string_view text, std::string_view shortcut,
                           const std::vector<int>& controlIds) override;
    void SetClipboardText(std::string_view text) override;
    std::string GetClipboardText() const override;
    void GridSetColumns(int id, const std::vector<GridColumn>& columns) override;
    void GridSetRows(int id, const GridRows& rows) override;
    void GridGetCell(int id, int row, int column, std::string& out) const override;
    void GridSetCurrentCell(int id, int row, int column) override;
    GridCell GridCurrentCell(int id) const override;
    void GridMarkCell(int id, int row, int column, std::string_view problem) override;
    void GridWarnCell(int id, int row, int column, std::string_view warning) override;
    void MarkControl(int id, std::string_view problem) override;
    void EnableControl(int id, bool enabled) override;
    void FocusControl(int id) override;
    void SetControlTooltip(int id, std::string_view text) override;
    void EnableMenuItem(int commandId, bool enabled) override;
    void SetTitle(std::string_view text) override;
    void SetTimer(unsigned id, unsigned milliseconds) override;
    void KillTimer(unsigned id) override;
    void EndDialog(int code) override;

    // The one way between a template entry and its widget: the control of
    // that id, or nullptr; the id of a widget, or res::kNoId; and each entry
    // with its widget, in template order.
    QWidget* Control(int id) const;
    int IdOf(const QWidget* widget) const;
    template <class F>
    void ForEachControl(F f) const {
        std::size_t index = 0;
        for (const res::ControlTemplate& control : m_template) f(control, *m_controls[index++]);
    }
    // The controls in template order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    BaseUnits Units() const { return m_units; }
    QMenu& SystemMenu() { return m_systemMenu; }
    // The template's menu bar, or nullptr; the action of a command, or nullptr.
    QMenuBar* MenuBar() const { return m_menuBar; }
    QAction* MenuAction(int commandId) const;
    // Opens the system menu there and sends the command chosen, if any.
    void PopUpSystemMenu(const QPoint& globalPosition);
    int BigIcon() const { return m_bigIcon; }
    int SmallIcon() const { return m_smallIcon; }
    bool Ended() const { return m_ended; }
    int EndCode() const { return m_endCode; }
    // Gives the keyboard focus to the first visible tab stop, as a dialog
    // opens.
    void FocusFirstTabStop();
    // Whatever asks the dialog to go away asks it through the cancel command.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* CreateControl(const res::ControlTemplate& control);
    QWidget& Existing(int id) const;
    GridView& Grid(int id) const;
    const res::ControlTemplate& TemplateOf(int id) const;
    void FitToTemplate();
    void BuildSystemMenu();
    void BuildMenuBar();
    // Whether the event is a menu bar shortcut pressed in a control: the
    // shortcut goes to the menu even where the control has a use for the
    // key (Ctrl+Z in an edit), and does nothing while its item is greyed.
    bool MenuShortcutKey(QEvent* event) const;
    void AddSystemCommand(const QString& text, unsigned commandId);
    // Opens the menu that Alt+Space, the Menu key or Shift+F10 asks for;
    // false for any other event.
    bool MenuKey(QEvent* event);
    // Sends the command whose shortcut was pressed; false for any other event.
    bool CommandKey(QEvent* event);
    void NameControls();
    void NameByLabel(int labelId);
    void Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);
    void SendCommand(int id, unsigned notification);
    void SendGrid(int id, unsigned notification, int row, int column);

    const res::DialogTemplate& m_template;
    DialogSink& m_sink;
    BaseUnits m_units{};
    std::vector<QWidget*> m_controls;
    QMenu m_systemMenu;
    QMenuBar* m_menuBar = nullptr;
    std::map<int, QAction*> m_menuActions;
    int m_menuHeight = 0;           // the controls sit below the menu bar
    QPainter* m_painter = nullptr;  // set while a paint is being handled
    int m_bigIcon = 0;
    int m_smallIcon = 0;
    bool m_ended = false;
    struct KeyCommand {
        QKeySequence keys;
        unsigned commandId;
    };
    std::vector<KeyCommand> m_commandKeys;
    // The layer's timers, single-shot, owned by the dialog.
    std::map<unsigned, QTimer*> m_timers;
    // A marked control's own palette and description, to go back to.
    struct Unmarked {
        QPalette palette;
        QString description;
    };
    std::map<int, Unmarked> m_marked;
    // Where the window stood before it was maximised.
    QPoint m_normalPosition;
    bool m_maximised = false;
    int m_endCode = 0;
};

}  // namespace ui::qt
