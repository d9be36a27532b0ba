#include "ui/qt/qt_backend.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <vector>

#include "lang/tr.h"
#include "res/string_table.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/page_painter.h"
#include "ui/qt/qt_dialog.h"

namespace ui::qt {

std::unique_ptr<DialogWindow> QtBackend::CreateDialogWindow(const res::DialogTemplate& dialogTemplate,
                                                            DialogSink& sink) {
    // Over the innermost running dialog, so that it opens centred on it and
    // stays in front of it.
    QWidget* parent = m_running.empty() ? nullptr : m_running.back();
    return std::make_unique<QtDialog>(dialogTemplate, sink, parent);
}

int QtBackend::RunModal(DialogWindow& window) {
    auto& dialog = static_cast<QtDialog&>(window);
    if (dialog.Ended()) return dialog.EndCode();  // ended while it initialised
    dialog.FocusFirstTabStop();
    m_running.push_back(&dialog);
    const int result = dialog.exec();
    m_running.pop_back();
    return dialog.Ended() ? dialog.EndCode() : result;
}

void QtBackend::MessageBox(std::string_view text) {
    QWidget* parent = m_running.empty() ? nullptr : m_running.back();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(res::kApplicationTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A short text makes a box narrower than its title bar needs; a spacer
    // across the box's grid widens it without touching text or buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(box.windowTitle()), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    m_running.push_back(&box);
    box.exec();
    m_running.pop_back();
}

int QtBackend::AskYesNoCancel(std::string_view text) {
    QWidget* parent = m_running.empty() ? nullptr : m_running.back();
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(res::kApplicationTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    m_running.push_back(&box);
    const int answer = box.exec();
    m_running.pop_back();
    return answer == QMessageBox::Yes ? IDYES : answer == QMessageBox::No ? IDNO : IDCANCEL;
}

// The first button accepts, the last rejects (Esc, the close box) and is
// the default, so that Enter alone never picks the one that writes.
std::size_t QtBackend::AskChoice(std::string_view text, const std::vector<std::string>& buttons) {
    if (buttons.empty()) return 0;
    QWidget* parent = m_running.empty() ? nullptr : m_running.back();
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(res::kApplicationTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> added;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const QMessageBox::ButtonRole role = i + 1 == buttons.size() ? QMessageBox::RejectRole
                                             : i == 0                ? QMessageBox::AcceptRole
                                                                     : QMessageBox::ActionRole;
        added.push_back(box.addButton(QString::fromUtf8(lang::Tr(buttons[i].c_str())), role));
    }
    box.setDefaultButton(added.back());
    box.setEscapeButton(added.back());
    m_running.push_back(&box);
    box.exec();
    m_running.pop_back();
    for (std::size_t i = 0; i < added.size(); ++i) {
        if (box.clickedButton() == added[i]) return i;
    }
    return buttons.size() - 1;
}

// Qt's dialog returns a name typed without an extension as typed, having
// asked only about that name: the layer completes it and asks about the
// completed one (AfxSaveFileName).
bool QtBackend::AskFileName(FileDialog kind, const std::vector<FileType>& types, std::string& path, std::size_t& type) {
    QWidget* parent = m_running.empty() ? nullptr : m_running.back();
    QStringList filters;
    for (const FileType& fileType : types) {
        filters << QString::fromUtf8(lang::Tr(fileType.name.c_str())) + QStringLiteral(" (*.") +
                       QString::fromUtf8(fileType.extension.c_str()) + QStringLiteral(")");
    }
    // The platform's own dialog where there is one, as QFileDialog's static
    // functions choose; run here so that it is on top of the runs.
    QFileDialog dialog(parent, QString(), QString::fromUtf8(path.c_str()));
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(kind == FileDialog::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(kind == FileDialog::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    m_running.push_back(&dialog);
    const int answer = dialog.exec();
    m_running.pop_back();
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    path = dialog.selectedFiles().front().toUtf8().toStdString();
    const QString selected = dialog.selectedNameFilter();
    type = static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(selected)));
    return true;
}

bool QtBackend::OpenDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromUtf8(path.c_str())));
}

std::string QtBackend::ProgramDirectory() const {
    return QCoreApplication::applicationDirPath().toUtf8().toStdString();
}

namespace {

QPageSize::PageSizeId PageSizeOf(draw::Paper paper) {
    return paper == draw::Paper::A4 ? QPageSize::A4 : QPageSize::Letter;
}

// The paper of the two a page size is nearer to: the American sizes print
// on Letter, the rest on A4.
draw::Paper PaperOf(const QPageSize& size) {
    switch (size.id()) {
        case QPageSize::Letter:
        case QPageSize::Legal:
        case QPageSize::Executive:
        case QPageSize::Tabloid:
        case QPageSize::Ledger:
            return draw::Paper::Letter;
        default:
            return draw::Paper::A4;
    }
}

}  // namespace

PrintResult QtBackend::PrintPages(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8(job.title.c_str()));
    printer.setPageSize(QPageSize(PageSizeOf(job.paper)));
    printer.setFullPage(true);
    QWidget* parent = m_running.empty() ? nullptr : m_running.back();
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    m_running.push_back(&dialog);
    const int answer = dialog.exec();
    m_running.pop_back();
    if (answer != QDialog::Accepted) return PrintResult::Cancelled;
    const draw::PagedDocument document = job.layOut(PaperOf(printer.pageLayout().pageSize()));
    printer.setFullPage(true);
    return PaintDocument(printer, document) ? PrintResult::Printed : PrintResult::Failed;
}

bool QtBackend::PagesAsPdf(const draw::PagedDocument& document, std::string& bytes) {
    QByteArray pdf;
    if (!DocumentAsPdf(document, pdf)) return false;
    bytes.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    return true;
}

bool QtBackend::Settled() const {
    for (const QDialog* dialog : m_running) {
        if (!dialog->isVisible()) return false;
    }
    return true;
}

// The window manager draws the title in a bold face of about the
// application font, beside an icon and up to three buttons of the title
// bar's height; room for all of that, whatever the theme.
int MessageBoxMinimumWidth(const QString& title) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int button = metrics.height() * 2;
    return metrics.horizontalAdvance(title) + 4 * button;
}

namespace {

// The texts Qt itself writes in our windows: the message boxes' buttons (in
// the generic and the GNOME theme's wording) and an edit's context menu.
constexpr const char* kQtContexts[] = {"QPlatformTheme", "QGnomeTheme", "QLineEdit"};
constexpr const char* kQtTexts[] = {
    N_("OK"),    N_("&OK"),  N_("Cancel"), N_("&Cancel"), N_("&Yes"),   N_("&No"),        N_("&Undo"),
    N_("&Redo"), N_("Cu&t"), N_("&Copy"),  N_("&Paste"),  N_("Delete"), N_("Select All"),
};

bool Listed(const char* text, const char* const* begin, const char* const* end) {
    return std::any_of(begin, end, [text](const char* listed) { return std::strcmp(listed, text) == 0; });
}

// Answers those texts from our catalogues, so that they follow the
// program's language without Qt's own translation files; anything else
// stays Qt's.
class CatalogueTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (context == nullptr || sourceText == nullptr) return {};
        if (!Listed(context, std::begin(kQtContexts), std::end(kQtContexts))) return {};
        if (!Listed(sourceText, std::begin(kQtTexts), std::end(kQtTexts))) return {};
        const char* translated = lang::Tr(sourceText);
        return translated == sourceText ? QString() : QString::fromUtf8(translated);
    }
};

}  // namespace

bool StyleChosen(int argc, const char* const* argv) {
    if (!qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) return true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-style" || argument == "--style" || argument.startsWith("-style=") ||
            argument.startsWith("--style=")) {
            return true;
        }
    }
    return false;
}

void ConfigureApplication(QApplication& application, bool styleChosen) {
    // Fusion looks the same everywhere, unless the user asked for a style.
    if (!styleChosen) application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Arial's metric-compatible stand-in; MS Sans Serif by a plain sans serif.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Sans Serif"));
    application.setWindowIcon(AppIcon());
    application.setQuitOnLastWindowClosed(false);
    // Asked at each text, so it follows a language set after this, as tests do.
    application.installTranslator(new CatalogueTranslator(&application));
}

}  // namespace ui::qt
