#include "ui/qt/qt_dialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "lang/tr.h"
#include "res/accessible_names.h"
#include "res/app_icon_picture.h"
#include "res/dialog_anchors.h"
#include "res/resource_ids.h"
#include "ui/messages.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/chart_view.h"
#include "ui/qt/grid_view.h"
#include "ui/qt/list_box.h"

namespace ui::qt {
namespace {

constexpr int kIconPixels = 32;

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QFont TemplateFont(const res::DialogTemplate& dialogTemplate) {
    QFont font(QString::fromLatin1(dialogTemplate.fontName));
    font.setPointSize(dialogTemplate.pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

Qt::WindowFlags WindowFlagsFor(unsigned style) {
    Qt::WindowFlags flags = (style & res::kAppWindow) != 0 ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if ((style & res::kSysMenu) != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((style & res::kMinimizeBox) != 0) flags |= Qt::WindowMinimizeButtonHint;
    if ((style & res::kMaximizeBox) != 0) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

bool Has(unsigned style, unsigned bit) { return (style & bit) != 0; }

}  // namespace

QtDialog::QtDialog(const res::DialogTemplate& dialogTemplate, DialogSink& sink, QWidget* parent)
    : QDialog(parent, WindowFlagsFor(dialogTemplate.style)),
      m_template(dialogTemplate),
      m_sink(sink),
      m_systemMenu(this) {
    setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    setFont(TemplateFont(dialogTemplate));
    const QFontMetrics metrics(font());
    m_units =
        BaseUnitsFor(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                     metrics.height());

    BuildMenuBar();
    // Created in template order, which Qt keeps as the order of the focus
    // chain and of the accessibility tree.
    QWidget* previousTabStop = nullptr;
    for (const res::ControlTemplate& control : dialogTemplate) {
        QWidget* widget = CreateControl(control);
        widget->installEventFilter(this);
        m_controls.push_back(widget);
        if (Has(control.style, res::kTabStop)) {
            if (previousTabStop != nullptr) setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
    }
    FitToTemplate();
    BuildSystemMenu();
    NameControls();
}

QtDialog::~QtDialog() = default;

// The template's size, which a resizable window may grow from but never
// shrink below.
void QtDialog::FitToTemplate() {
    const QSize templateSize(HorizontalPixels(m_template.cx, m_units),
                             VerticalPixels(m_template.cy, m_units) + m_menuHeight);
    if (!Has(m_template.style, res::kThickFrame)) {
        setFixedSize(templateSize);
        return;
    }
    setMinimumSize(templateSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(templateSize);
}

// Each anchored control from where it stood at the template size, so that
// sizing back and forth never drifts.
void QtDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_menuBar != nullptr) m_menuBar->setGeometry(0, 0, width(), m_menuHeight);
    if (!Has(m_template.style, res::kThickFrame)) return;
    const int dx = width() - HorizontalPixels(m_template.cx, m_units);
    const int dy = height() - m_menuHeight - VerticalPixels(m_template.cy, m_units);
    ForEachControl([&](const res::ControlTemplate& control, QWidget& widget) {
        const unsigned anchors = res::ControlAnchors(m_template.id, control);
        if (anchors == 0) return;
        const PixelRect pixels = ToPixels(control.x, control.y, control.cx, control.cy, m_units);
        const res::AnchoredRect rect =
            res::Anchored({pixels.x, pixels.y, pixels.width, pixels.height}, anchors, dx, dy);
        widget.setGeometry(rect.x, rect.y + m_menuHeight, rect.width, rect.height);
    });
}

QWidget* QtDialog::CreateControl(const res::ControlTemplate& control) {
    const int id = control.id;
    const QString text = QString::fromUtf8(control.text);
    QWidget* widget = nullptr;
    switch (control.kind) {
        case res::ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            const bool border = Has(control.style, res::kBorder);
            edit->setFrame(border);
            // The templates size their edits for a one-pixel border and a
            // narrower inner margin than Qt's; a pixel a side, and whatever a
            // style's frame is wider, lets the widest results show whole.
            const int frame = border ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 1;
            const int margin = -1 - std::max(0, frame - 1);
            edit->setTextMargins(margin, 0, margin, 0);
            if (Has(control.style, res::kReadOnly)) {
                // Selectable and copyable; shaded as read-only edits are, or,
                // without a border, a label on whatever lies behind it.
                edit->setReadOnly(true);
                QPalette palette = edit->palette();
                palette.setColor(QPalette::Base, border ? palette.color(QPalette::Window) : QColor(Qt::transparent));
                edit->setPalette(palette);
            }
            edit->setText(text);
            // textEdited is the user's typing only; the program's own changes
            // are announced by the dialog layer.
            connect(edit, &QLineEdit::textEdited, this, [this, id] { SendCommand(id, EN_CHANGE); });
            widget = edit;
            break;
        }
        case res::ControlKind::List:
            if (Has(control.style, res::kDropDown)) {
                widget = new DropDownList(this, [this, id] { SendCommand(id, LBN_SELCHANGE); });
            } else {
                widget = new ListBox(this, [this, id] { SendCommand(id, LBN_SELCHANGE); });
            }
            break;
        case res::ControlKind::Static: {
            auto* label = new QLabel(text, this);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case res::ControlKind::Icon: {
            auto* label = new QLabel(this);
            if (res::HasAppIconPicture(control.iconId)) label->setPixmap(AppIconPixmap(kIconPixels, control.iconId));
            widget = label;
            break;
        }
        case res::ControlKind::Button: {
            auto* button = new QPushButton(text, this);
            // Enter is dispatched by the dialog, never by a button on its own.
            button->setAutoDefault(false);
            button->setDefault(Has(control.style, res::kDefaultButton));
            connect(button, &QPushButton::clicked, this, [this, id] { SendCommand(id, BN_CLICKED); });
            widget = button;
            break;
        }
        case res::ControlKind::Chart:
            widget = new ChartView(this);
            break;
        case res::ControlKind::Grid: {
            GridView::Reports reports;
            reports.cellChanged = [this, id](int row, int column) { SendGrid(id, GN_CELLCHANGE, row, column); };
            reports.rowChanged = [this, id](int row, int column) { SendGrid(id, GN_SELCHANGE, row, column); };
            reports.paste = [this, id](int row, int column) { SendGrid(id, GN_PASTE, row, column); };
            auto* grid = new GridView(this, Has(control.style, res::kReadOnly), std::move(reports));
            grid->setFrameShape(Has(control.style, res::kBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
            widget = grid;
            break;
        }
        case res::ControlKind::Frame: {
            auto* frame = new QGroupBox(text, this);
            // A frame is drawn around its controls, not over them.
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
            widget = frame;
            break;
        }
    }

    const bool interactive = control.kind == res::ControlKind::Edit || control.kind == res::ControlKind::List ||
                             control.kind == res::ControlKind::Button || control.kind == res::ControlKind::Grid;
    if (Has(control.style, res::kTabStop)) {
        widget->setFocusPolicy(Qt::StrongFocus);
    } else {
        widget->setFocusPolicy(interactive ? Qt::ClickFocus : Qt::NoFocus);
    }

    const PixelRect rect = ToPixels(control.x, control.y, control.cx, control.cy, m_units);
    if (control.kind == res::ControlKind::Icon) {
        // An icon control takes the icon's size, whatever the template says.
        widget->setGeometry(rect.x, rect.y + m_menuHeight, kIconPixels, kIconPixels);
    } else {
        widget->setGeometry(rect.x, rect.y + m_menuHeight, rect.width, rect.height);
    }
    return widget;
}

QWidget* QtDialog::Control(int id) const {
    if (id == res::kNoId) return nullptr;
    const res::ControlTemplate* control = m_template.Find(id);
    return control == nullptr ? nullptr : m_controls[static_cast<std::size_t>(control - m_template.begin())];
}

int QtDialog::IdOf(const QWidget* widget) const {
    int id = res::kNoId;
    ForEachControl([&](const res::ControlTemplate& control, const QWidget& candidate) {
        if (&candidate == widget) id = control.id;
    });
    return id;
}

QWidget& QtDialog::Existing(int id) const {
    QWidget* widget = Control(id);
    if (widget == nullptr) throw std::logic_error("no control " + std::to_string(id));
    return *widget;
}

const res::ControlTemplate& QtDialog::TemplateOf(int id) const {
    const res::ControlTemplate* control = m_template.Find(id);
    if (control == nullptr) throw std::logic_error("no control " + std::to_string(id));
    return *control;
}

void QtDialog::ShowControl(int id, bool show) { Existing(id).setVisible(show); }

// The control's own visibility flag, whether or not the dialog is shown.
bool QtDialog::IsControlVisible(int id) const { return !Existing(id).isHidden(); }

// A light red field, the same under every style: styles paint an edit's
// inside with the palette's base colour. A screen reader hears the problem.
void QtDialog::MarkControl(int id, std::string_view problem) {
    QWidget& widget = Existing(id);
    const auto found = m_marked.find(id);
    if (problem.empty()) {
        if (found == m_marked.end()) return;
        widget.setPalette(found->second.palette);
        widget.setAccessibleDescription(found->second.description);
        m_marked.erase(found);
        return;
    }
    if (found == m_marked.end()) {
        m_marked.emplace(id, Unmarked{widget.palette(), widget.accessibleDescription()});
        QPalette palette = widget.palette();
        palette.setColor(QPalette::Base, QColor(255, 214, 214));
        palette.setColor(QPalette::Text, Qt::black);
        widget.setPalette(palette);
    }
    widget.setAccessibleDescription(FromUtf8(problem));
}

void QtDialog::EnableControl(int id, bool enabled) { Existing(id).setEnabled(enabled); }

void QtDialog::FocusControl(int id) { Existing(id).setFocus(Qt::OtherFocusReason); }

void QtDialog::SetControlTooltip(int id, std::string_view text) { Existing(id).setToolTip(FromUtf8(text)); }

void QtDialog::SetTitle(std::string_view text) { setWindowTitle(FromUtf8(text)); }

void QtDialog::SetTimer(unsigned id, unsigned milliseconds) {
    QTimer*& timer = m_timers[id];
    if (timer == nullptr) {
        timer = new QTimer(this);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, id] {
            if (!m_ended) Send(WM_TIMER, id, 0);
        });
    }
    timer->start(static_cast<int>(milliseconds));
}

void QtDialog::KillTimer(unsigned id) {
    const auto found = m_timers.find(id);
    if (found != m_timers.end()) found->second->stop();
}

void QtDialog::SetControlText(int id, std::string_view text) {
    QWidget& widget = Existing(id);
    const QString value = FromUtf8(text);
    switch (TemplateOf(id).kind) {
        case res::ControlKind::Edit: {
            auto& edit = static_cast<QLineEdit&>(widget);
            edit.setText(value);
            edit.setCursorPosition(0);  // a long text shows its start
            break;
        }
        case res::ControlKind::Static:
            static_cast<QLabel&>(widget).setText(value);
            break;
        case res::ControlKind::Button:
            static_cast<QPushButton&>(widget).setText(value);
            break;
        case res::ControlKind::Frame:
            static_cast<QGroupBox&>(widget).setTitle(value);
            break;
        case res::ControlKind::List:
        case res::ControlKind::Icon:
        case res::ControlKind::Chart:
        case res::ControlKind::Grid:
            widget.setWindowTitle(value);
            break;
    }
    NameByLabel(id);
}

void QtDialog::SetControlDrawing(int id, const std::shared_ptr<const draw::Chart>& drawing) {
    if (auto* chart = dynamic_cast<ChartView*>(&Existing(id))) chart->SetDrawing(drawing);
}

bool QtDialog::SaveControlPicture(int id, const std::string& path) {
    auto* chart = dynamic_cast<ChartView*>(&Existing(id));
    return chart != nullptr && chart->Drawing() != nullptr && SaveChartPicture(*chart->Drawing(), path);
}

void QtDialog::GetControlText(int id, std::string& out) const {
    const QWidget& widget = Existing(id);
    QString value;
    switch (TemplateOf(id).kind) {
        case res::ControlKind::Edit:
            value = static_cast<const QLineEdit&>(widget).text();
            break;
        case res::ControlKind::Static:
            value = static_cast<const QLabel&>(widget).text();
            break;
        case res::ControlKind::Button:
            value = static_cast<const QPushButton&>(widget).text();
            break;
        case res::ControlKind::Frame:
            value = static_cast<const QGroupBox&>(widget).title();
            break;
        case res::ControlKind::List:
        case res::ControlKind::Icon:
        case res::ControlKind::Chart:
        case res::ControlKind::Grid:
            value = widget.windowTitle();
            break;
    }
    const QByteArray bytes = value.toUtf8();
    out.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

namespace {

ListControl& AsList(QWidget& widget, int id) {
    auto* list = dynamic_cast<ListControl*>(&widget);
    if (list == nullptr) throw std::logic_error("control " + std::to_string(id) + " is not a list");
    return *list;
}

}  // namespace

void QtDialog::ListReset(int id) { AsList(Existing(id), id).ProgramReset(); }

void QtDialog::ListInsert(int id, int index, std::string_view text) {
    AsList(Existing(id), id).ProgramInsert(index, FromUtf8(text));
}

int QtDialog::ListGetCurSel(int id) const { return AsList(Existing(id), id).CurSel(); }

void QtDialog::ListSetCurSel(int id, int index) { AsList(Existing(id), id).ProgramSetCurSel(index); }

// Alt+Space, the Menu key and Shift+F10 open a menu, and a command's
// shortcut sends it, wherever the focus is, before a focused button could
// take the Space as a press.
bool QtDialog::eventFilter(QObject* watched, QEvent* event) {
    return MenuShortcutKey(event) || MenuKey(event) || CommandKey(event) || QDialog::eventFilter(watched, event);
}

// Both icons are the one application icon, which holds the 32 and the 16
// pixel images.
void QtDialog::SetIcon(bool big, int iconId) {
    (big ? m_bigIcon : m_smallIcon) = iconId;
    if (res::HasAppIconPicture(iconId)) setWindowIcon(AppIcon(iconId));
}

bool QtDialog::IsIconic() const { return isMinimized(); }

Size QtDialog::ClientSize() const { return Size{width(), height()}; }

Size QtDialog::IconSize() const { return Size{kIconPixels, kIconPixels}; }

void QtDialog::DrawIcon(int x, int y, int iconId) {
    if (m_painter != nullptr && res::HasAppIconPicture(iconId)) {
        m_painter->drawPixmap(x, y, AppIconPixmap(kIconPixels, iconId));
    }
}

void QtDialog::EndDialog(int code) {
    if (m_ended) return;
    m_ended = true;
    m_endCode = code;
    done(code);
}

void QtDialog::FocusFirstTabStop() {
    QWidget* first = nullptr;
    ForEachControl([&first](const res::ControlTemplate& control, QWidget& widget) {
        if (first == nullptr && Has(control.style, res::kTabStop) && !widget.isHidden()) first = &widget;
    });
    if (first != nullptr) first->setFocus(Qt::TabFocusReason);
}

// A name the dialog gives comes first; then the resources' name, or for a
// control named by a label, that label's text.
void QtDialog::NameControls() {
    ForEachControl([this](const res::ControlTemplate& control, QWidget& widget) {
        if (const char* name = m_sink.ControlName(control.id)) {
            widget.setAccessibleName(QString::fromUtf8(name));
            return;
        }
        const res::AccessibleName* entry = res::FindAccessibleName(m_template.id, control.id);
        if (entry != nullptr) widget.setAccessibleName(QString::fromUtf8(lang::Tr(entry->name)));
        if (entry != nullptr && entry->labelId != res::kNoId) NameByLabel(entry->labelId);
    });
}

// Controls named by a label take its text, without the blanks around it;
// while the label is blank, their own name.
void QtDialog::NameByLabel(int labelId) {
    ForEachControl([this, labelId](const res::ControlTemplate& control, QWidget& widget) {
        const res::AccessibleName* entry = res::FindAccessibleName(m_template.id, control.id);
        if (entry == nullptr || entry->labelId != labelId) return;
        std::string label;
        GetControlText(labelId, label);
        const QString text = QString::fromUtf8(label.c_str()).trimmed();
        widget.setAccessibleName(text.isEmpty() ? QString::fromUtf8(lang::Tr(entry->name))
                                                : text + QString::fromUtf8(entry->labelSuffix));
    });
}

void QtDialog::Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    m_sink.HandleMessage(message, wParam, lParam);
}

void QtDialog::SendCommand(int id, unsigned notification) {
    Send(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), notification), 0);
}

void QtDialog::SendGrid(int id, unsigned notification, int row, int column) {
    Send(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), notification), MakeGridParam(row, column));
}

GridView& QtDialog::Grid(int id) const {
    auto* grid = dynamic_cast<GridView*>(&Existing(id));
    if (grid == nullptr) throw std::logic_error("control " + std::to_string(id) + " is not a grid");
    return *grid;
}

void QtDialog::GridSetColumns(int id, const std::vector<GridColumn>& columns) {
    Grid(id).ProgramSetColumns(columns, m_units);
}

void QtDialog::GridSetRows(int id, const GridRows& rows) { Grid(id).ProgramSetRows(rows); }

void QtDialog::GridGetCell(int id, int row, int column, std::string& out) const { out = Grid(id).Text(row, column); }

void QtDialog::GridSetCurrentCell(int id, int row, int column) { Grid(id).ProgramSetCurrent(row, column); }

GridCell QtDialog::GridCurrentCell(int id) const { return Grid(id).Current(); }

void QtDialog::GridMarkCell(int id, int row, int column, std::string_view problem) {
    Grid(id).ProgramMark(row, column, FromUtf8(problem));
}

void QtDialog::GridWarnCell(int id, int row, int column, std::string_view warning) {
    Grid(id).ProgramMark(row, column, FromUtf8(warning), MarkKind::Warning);
}

// Enter is the OK command: the focused push button's, else the default
// button's, else IDOK. Esc is always the cancel command.
void QtDialog::keyPressEvent(QKeyEvent* event) {
    if (MenuShortcutKey(event) || MenuKey(event) || CommandKey(event)) return;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            int id = IDOK;
            for (const res::ControlTemplate& control : m_template) {
                if (Has(control.style, res::kDefaultButton)) id = control.id;
            }
            const int focusedButton = IdOf(qobject_cast<QPushButton*>(focusWidget()));
            if (focusedButton != res::kNoId) id = focusedButton;
            SendCommand(id, BN_CLICKED);
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            SendCommand(IDCANCEL, BN_CLICKED);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

// The close box: the dialog decides, and it closes only by ending its run.
void QtDialog::closeEvent(QCloseEvent* event) {
    if (!m_ended) Send(WM_CLOSE, 0, 0);
    event->setAccepted(m_ended);
}

void QtDialog::reject() { SendCommand(IDCANCEL, BN_CLICKED); }

// Painted normally, the dialog has nothing to add; minimised, on a platform
// that paints minimised windows, the dialog draws its icon on the erased
// client area through WM_PAINT.
void QtDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    if (IsIconic()) painter.fillRect(rect(), palette().window());
    m_painter = &painter;
    Send(WM_PAINT, 0, 0);
    m_painter = nullptr;
}

}  // namespace ui::qt
