// The dialog's menus and keys: the menu bar, the system menu, the commands
// the dialog adds to its controls' context menus, and the clipboard.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "lang/tr.h"
#include "ui/messages.h"
#include "ui/qt/grid_view.h"
#include "ui/qt/qt_dialog.h"

namespace ui::qt {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool Has(unsigned style, unsigned bit) { return (style & bit) != 0; }

enum class MenuKeyKind { None, SystemMenu, ContextMenu };

// Alt+Space is the system menu's own key; the Menu key and Shift+F10, the
// keys for a context menu, also reach the program where the window manager
// keeps Alt+Space for its own menu.
MenuKeyKind MenuKeyOf(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return MenuKeyKind::None;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_Space && modifiers == Qt::AltModifier) return MenuKeyKind::SystemMenu;
    if ((key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
        (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
        return MenuKeyKind::ContextMenu;
    }
    return MenuKeyKind::None;
}

}  // namespace

// Above the controls, which move down by its height; each item's shortcuts
// work anywhere in the window and show beside it.
void QtDialog::BuildMenuBar() {
    if (m_template.menu == nullptr) return;
    m_menuBar = new QMenuBar(this);
    m_menuBar->setNativeMenuBar(false);  // in the window, where the controls are laid out below it
    for (const res::MenuPopup& popup : *m_template.menu) {
        QMenu* menu = m_menuBar->addMenu(QString::fromUtf8(popup.text));
        for (const res::MenuItem& item : popup) {
            if (item.commandId == 0) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(item.text));
            QList<QKeySequence> keys;
            for (const char* key : {item.shortcut, item.alternateShortcut}) {
                if (key != nullptr) keys << QKeySequence(QString::fromUtf8(key), QKeySequence::PortableText);
            }
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);  // the window's own, so that its keys work wherever the focus is
            const int id = item.commandId;
            connect(action, &QAction::triggered, this, [this, id] { SendCommand(id, BN_CLICKED); });
            m_menuActions.emplace(id, action);
        }
    }
    m_menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, HorizontalPixels(m_template.cx, m_units), m_menuHeight);
}

QAction* QtDialog::MenuAction(int commandId) const {
    const auto found = m_menuActions.find(commandId);
    return found == m_menuActions.end() ? nullptr : found->second;
}

void QtDialog::EnableMenuItem(int commandId, bool enabled) {
    if (QAction* action = MenuAction(commandId)) action->setEnabled(enabled);
}

// A control asks first whether it wants a key for itself (ShortcutOverride):
// for the menu's keys the answer is no, so the shortcut fires; a key press
// that still arrives is a greyed item's, and does nothing.
bool QtDialog::MenuShortcutKey(QEvent* event) const {
    if (m_menuActions.empty()) return false;
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
    const QKeySequence pressed(static_cast<const QKeyEvent*>(event)->keyCombination());
    for (const auto& entry : m_menuActions) {
        if (entry.second->shortcuts().contains(pressed)) return true;
    }
    return false;
}

// The window manager owns the title bar, so the system menu is the
// program's own: the dialog's window commands, opened by a menu key or by a
// right click where no control is. A command that the template's styles do
// not allow is greyed, as is Size: a sizing frame is sized by its edges. The
// items the program appends follow.
void QtDialog::BuildSystemMenu() {
    if (!Has(m_template.style, res::kSysMenu)) return;
    const bool minimise = Has(m_template.style, res::kMinimizeBox);
    const bool maximise = Has(m_template.style, res::kMaximizeBox);
    if (minimise || maximise) {
        AddSystemCommand(QString::fromUtf8(lang::Tr("&Restore")), SC_RESTORE);
        AddSystemCommand(QString::fromUtf8(lang::Tr("&Size")), SC_SIZE);
        AddSystemCommand(QString::fromUtf8(lang::Tr("Mi&nimize")), SC_MINIMIZE);
        AddSystemCommand(QString::fromUtf8(lang::Tr("Ma&ximize")), SC_MAXIMIZE);
        m_systemMenu.addSeparator();
    }
    AddSystemCommand(QString::fromUtf8(lang::Tr("&Close")) + QStringLiteral("\tAlt+F4"), SC_CLOSE);
    connect(&m_systemMenu, &QMenu::aboutToShow, this, [this, minimise, maximise] {
        for (QAction* action : m_systemMenu.actions()) {
            switch (action->data().toUInt()) {
                case SC_RESTORE:
                    action->setEnabled(isMaximized() || isMinimized());
                    break;
                case SC_SIZE:
                    action->setEnabled(false);
                    break;
                case SC_MINIMIZE:
                    action->setEnabled(minimise && !isMinimized());
                    break;
                case SC_MAXIMIZE:
                    action->setEnabled(maximise && !isMaximized());
                    break;
                default:
                    break;
            }
        }
    });
}

// In an edit or a grid the context keys open its own menu (copy, on a
// result box Copy All Results, paste on a grid); elsewhere they open the
// system menu.
bool QtDialog::MenuKey(QEvent* event) {
    const MenuKeyKind kind = MenuKeyOf(event);
    if (kind == MenuKeyKind::None) return false;
    QWidget* edit = qobject_cast<QLineEdit*>(focusWidget());
    if (edit == nullptr) edit = dynamic_cast<GridView*>(focusWidget());
    if (kind == MenuKeyKind::ContextMenu && edit != nullptr) {
        const QPoint at = edit->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, at, edit->mapToGlobal(at));
        QCoreApplication::sendEvent(edit, &request);
        return true;
    }
    if (!Has(m_template.style, res::kSysMenu)) return false;
    PopUpSystemMenu(mapToGlobal(QPoint(0, 0)));
    return true;
}

void QtDialog::AddSystemCommand(const QString& text, unsigned commandId) {
    m_systemMenu.addAction(text)->setData(commandId);
}

void QtDialog::AppendSystemMenu(unsigned flags, unsigned commandId, std::string_view text) {
    if ((flags & MF_SEPARATOR) != 0) {
        m_systemMenu.addSeparator();
    } else {
        AddSystemCommand(FromUtf8(text), commandId);
    }
}

void QtDialog::PopUpSystemMenu(const QPoint& globalPosition) {
    // The command goes out once the menu has closed, so that what it opens
    // does not run inside the menu.
    const QAction* chosen = m_systemMenu.exec(globalPosition);
    if (chosen != nullptr) Send(WM_SYSCOMMAND, chosen->data().toUInt(), 0);
}

// Only what the template's styles allow; Restore puts the window back where
// it was before it was maximised.
void QtDialog::SystemCommand(unsigned commandId) {
    switch (commandId & SC_MASK) {
        case SC_MINIMIZE:
            if (Has(m_template.style, res::kMinimizeBox)) showMinimized();
            break;
        case SC_MAXIMIZE:
            if (!Has(m_template.style, res::kMaximizeBox) || isMaximized()) break;
            // Where the client area stood: the frame may differ once the
            // window manager has dropped its borders for the maximised window.
            m_normalPosition = geometry().topLeft();
            m_maximised = true;
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            showMaximized();
            break;
        case SC_RESTORE:
            showNormal();
            // A sizing frame keeps the size it had; a fixed one its template's.
            if (!Has(m_template.style, res::kThickFrame)) FitToTemplate();
            if (m_maximised) setGeometry(QRect(m_normalPosition, size()));
            m_maximised = false;
            break;
        default:
            break;
    }
}

void QtDialog::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* child = childAt(event->pos());
    const bool emptyArea = child == nullptr || qobject_cast<QLabel*>(child) != nullptr;
    if (!emptyArea || !Has(m_template.style, res::kSysMenu)) {
        event->ignore();
        return;
    }
    PopUpSystemMenu(event->globalPos());
}

// The shortcut works anywhere in the window, seen by the same filter as the
// menu keys; each edit's context menu is its usual one with the command
// added at the end.
void QtDialog::AddControlCommand(unsigned commandId, std::string_view text, std::string_view shortcut,
                                 const std::vector<int>& controlIds) {
    const QString label = QString::fromUtf8(lang::Tr(std::string(text).c_str()));
    const QKeySequence keys(FromUtf8(shortcut), QKeySequence::PortableText);
    m_commandKeys.push_back(KeyCommand{keys, commandId});
    for (int id : controlIds) {
        auto* edit = qobject_cast<QLineEdit*>(Control(id));
        if (edit == nullptr) continue;
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this, [this, edit, label, keys, commandId](QPoint at) {
            QMenu* menu = edit->createStandardContextMenu();
            menu->addSeparator();
            QAction* entry = menu->addAction(label);
            entry->setShortcut(keys);
            // As with the system menu, the command goes out once the menu
            // has closed.
            const bool chosen = menu->exec(edit->mapToGlobal(at)) == entry;
            delete menu;
            if (chosen) SendCommand(static_cast<int>(commandId), BN_CLICKED);
        });
    }
}

bool QtDialog::CommandKey(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const QKeySequence pressed(static_cast<const QKeyEvent*>(event)->keyCombination());
    for (const KeyCommand& command : m_commandKeys) {
        if (command.keys != pressed) continue;
        SendCommand(static_cast<int>(command.commandId), BN_CLICKED);
        return true;
    }
    return false;
}

void QtDialog::SetClipboardText(std::string_view text) { QGuiApplication::clipboard()->setText(FromUtf8(text)); }

std::string QtDialog::GetClipboardText() const {
    const QByteArray bytes = QGuiApplication::clipboard()->text().toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace ui::qt
