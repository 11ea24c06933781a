#include "report/preview/TRptPreviewForm.h"

#include "look/WindowFonts.h"
#include "platform/HandlerGuard.h"
#include "report/common/RptTranslate.h"
#include "report/preview/PreviewIcons.h"
#include "report/preview/PreviewNavigation.h"
#include "report/preview/TRptScrollBox.h"
#include "report/windows/TRptRenderPrinter.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zamt {
namespace {

QString tr_(const char* text) {
    return rptTranslate(QString::fromLatin1(text));
}

QLabel* panel(const char* name, const char* caption, int width) {
    auto* label = new QLabel(tr_(caption));
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(width);
    return label;
}

QLineEdit* editBox(const char* name, int width) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(width);
    return edit;
}

PreviewIcon iconOf(const QString& action) {
    static const std::pair<const char*, PreviewIcon> icons[] = {
        {"actnFile_Open", PreviewIcon::Open},    {"actnFile_Save", PreviewIcon::SaveAs},
        {"actnFile_Print", PreviewIcon::Print},  {"actnFile_Exit", PreviewIcon::Exit},
        {"actnPage_First", PreviewIcon::First},  {"actnPage_Previous", PreviewIcon::Previous},
        {"actnPage_Next", PreviewIcon::Next},    {"actnPage_Last", PreviewIcon::Last},
        {"GotoPage1", PreviewIcon::GoToPage},    {"actnZoom_In", PreviewIcon::ZoomIn},
        {"actnZoom_Out", PreviewIcon::ZoomOut},  {"actnZoom_PageWidth", PreviewIcon::FitPageWidth},
        {"actnZoom_Page", PreviewIcon::FitPage},
    };
    for (const auto& [name, icon] : icons)
        if (action == QLatin1String(name))
            return icon;
    return PreviewIcon::Open;
}

} // namespace

TRptPreviewForm::TRptPreviewForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RptPreviewForm"));
    setWindowTitle(tr_("Report Preview"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    setFont(windowFont(QStringLiteral("Arial"), 13));
    resize(615, 450);

    createActions();
    ScrollBox1 = new TRptScrollBox(this);
    createMenus();
    createToolBar();
    sbarMain = new QStatusBar;
    sbarMain->setObjectName(QStringLiteral("sbarMain"));
    sbarMain->setFixedHeight(19);
    sbarMain->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(ToolBar1);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(sbarMain);

    dlogOpen.title = tr_("Open File");
    dlogOpen.defaultExtension = QStringLiteral(".rps");
    dlogOpen.filter = tr_("Report Snapshot Files (*.rps)|*.rps|All Files|*.*");
    dlogOpen.mustExist = true;
    dlogSave.title = tr_("Save File");
    dlogSave.defaultExtension = QStringLiteral(".rps");
    dlogSave.confirmOverwrite = true;

    // The renderer's values for this window; a report run's preview
    // settings follow them.
    RptPreviewSettings own;
    own.setShadowDepth(2);
    own.MarginPercent = 5.0;
    own.setZoomFactor(100);
    renderPreview_.setSettings(own);
    renderPreview_.setScrollBox(ScrollBox1);
    renderPreview_.setOnPageChange([this] { RenderPreviewPageChange(); });
    renderPreview_.setOnZoomChange([this] { RenderPreviewZoomChange(); });
    updateActions();

    // Every key typed in the window reaches its own handlers first.
    qApp->installEventFilter(this);
}

TRptPreviewForm::~TRptPreviewForm() {
    qApp->removeEventFilter(this);
}

void TRptPreviewForm::GotoPage1Click() {
    const int current = renderPreview_.currentPage();
    const std::optional<QString> answer = dialogs().inputText(
        this, {tr_("Go to Page"), tr_("Enter page to move to:"), QString::number(current)});
    if (!answer)
        return;
    if (const auto page = goToPageTarget(*answer, current))
        renderPreview_.showPage(*page);
}

QAction* TRptPreviewForm::action(const char* name, const char* caption, const char* hint,
                                 const QKeySequence& shortcut, void (TRptPreviewForm::*handler)()) {
    auto* a = new QAction(tr_(caption), this);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(tr_(hint));
    a->setShortcut(shortcut);
    a->setIcon(previewIcon(iconOf(a->objectName())));
    connect(a, &QAction::triggered, this, guarded(this, handler));
    addAction(a); // its shortcut works wherever the focus is in the window
    return a;
}

void TRptPreviewForm::createActions() {
    using F = TRptPreviewForm;
    actnFile_Open = action("actnFile_Open", "&Open", "Open another report",
                           QKeySequence(Qt::CTRL | Qt::Key_O), &F::actnFile_OpenExecute);
    actnFile_Save = action("actnFile_Save", "&Save As", "Save report",
                           QKeySequence(Qt::CTRL | Qt::Key_S), &F::actnFile_SaveExecute);
    actnFile_Print = action("actnFile_Print", "&Print", "Print report",
                            QKeySequence(Qt::CTRL | Qt::Key_P), &F::actnFile_PrintExecute);
    actnFile_Exit = action("actnFile_Exit", "E&xit", "Exit viewer", {}, &F::actnFile_ExitExecute);
    actnPage_First = action("actnPage_First", "&First", "Move to first page",
                            QKeySequence(Qt::CTRL | Qt::Key_Home), &F::actnPage_FirstExecute);
    actnPage_Previous =
        action("actnPage_Previous", "&Previous", "Move to previous page",
               QKeySequence(Qt::CTRL | Qt::Key_PageUp), &F::actnPage_PreviousExecute);
    actnPage_Next = action("actnPage_Next", "&Next", "Move to next page",
                           QKeySequence(Qt::CTRL | Qt::Key_PageDown), &F::actnPage_NextExecute);
    actnPage_Last = action("actnPage_Last", "&Last", "Move to last page",
                           QKeySequence(Qt::CTRL | Qt::Key_End), &F::actnPage_LastExecute);
    actnZoom_In = action("actnZoom_In", "Zoom &In", "Zoom In (+)", {}, &F::actnZoom_InExecute);
    actnZoom_Out = action("actnZoom_Out", "Zoom &Out", "Zoom Out (-)", {}, &F::actnZoom_OutExecute);
    actnZoom_PageWidth =
        action("actnZoom_PageWidth", "Fit to Page &Width", "Zoom to fit page width",
               QKeySequence(Qt::CTRL | Qt::Key_W), &F::actnZoom_PageWidthExecute);
    actnZoom_Page = action("actnZoom_Page", "Fit to &Page", "Zoom to fit page",
                           QKeySequence(Qt::CTRL | Qt::Key_F), &F::actnZoom_PageExecute);
    GotoPage1 = action("GotoPage1", "&Go to Page #", "Go to specified page",
                       QKeySequence(Qt::CTRL | Qt::Key_G), &F::GotoPage1Click);
}

void TRptPreviewForm::createMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = MainMenu1->addMenu(tr_("&File"));
    file->setObjectName(QStringLiteral("File1"));
    file->addActions({actnFile_Open, actnFile_Save, actnFile_Print});
    file->addSeparator();
    file->addAction(actnFile_Exit);
    QMenu* page = MainMenu1->addMenu(tr_("&Page"));
    page->setObjectName(QStringLiteral("Page1"));
    page->addActions({actnPage_First, actnPage_Previous, actnPage_Next, actnPage_Last});
    page->addSeparator();
    page->addAction(GotoPage1);
    QMenu* zoom = MainMenu1->addMenu(tr_("&Zoom"));
    zoom->setObjectName(QStringLiteral("Zoom1"));
    zoom->addActions({actnZoom_In, actnZoom_Out});
    zoom->addSeparator();
    zoom->addActions({actnZoom_Page, actnZoom_PageWidth});

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addActions({actnZoom_In, actnZoom_Out});
    ScrollBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ScrollBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(ScrollBox1->mapToGlobal(at)); });
}

void TRptPreviewForm::createToolBar() {
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setSpacing(0);
    ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);

    auto button = [this](QAction* a, const char* name) {
        ToolBar1->addAction(a);
        QWidget* b = ToolBar1->widgetForAction(a);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedSize(23, 24);
    };
    auto separator = [this](const char* name) {
        QAction* s = ToolBar1->addSeparator();
        s->setObjectName(QString::fromLatin1(name));
        ToolBar1->widgetForAction(s)->setObjectName(QString::fromLatin1(name));
    };

    button(actnFile_Open, "ToolButton1");
    button(actnFile_Save, "ToolButton2");
    button(actnFile_Print, "ToolButton3");
    separator("ToolButton4");
    button(actnPage_First, "ToolButton5");
    button(actnPage_Previous, "ToolButton6");
    button(actnPage_Next, "ToolButton7");
    button(actnPage_Last, "ToolButton8");
    ToolBar1->addWidget(panel("Panel1", "Page", 45));
    PageEdit = editBox("PageEdit", 49);
    ToolBar1->addWidget(PageEdit);
    PageLabel = new QLabel(tr_("of 3000"));
    PageLabel->setObjectName(QStringLiteral("PageLabel"));
    PageLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PageLabel->setFixedWidth(PageLabel->fontMetrics().horizontalAdvance(PageLabel->text()) + 8);
    PageLabel->setIndent(4);
    ToolBar1->addWidget(PageLabel);
    separator("ToolButton10");
    button(actnZoom_In, "ToolButton11");
    button(actnZoom_Out, "ToolButton12");
    button(actnZoom_PageWidth, "ToolButton13");
    button(actnZoom_Page, "ToolButton14");
    ToolBar1->addWidget(panel("Panel3", "Zoom", 42));
    ZoomEdit = editBox("ZoomEdit", 40);
    ZoomEdit->setText(QStringLiteral("100.0"));
    ToolBar1->addWidget(ZoomEdit);
    ToolBar1->addWidget(panel("Panel2", "%", 18));
    separator("ToolButton9");
    button(actnFile_Exit, "ToolButton15");
    // After the buttons: the bar's layout sets its own least height.
    ToolBar1->setFixedHeight(25);
}

void TRptPreviewForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    // Centred on the screen, and never larger than it.
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        resize(size().boundedTo(room.size()));
        QRect frame = frameGeometry();
        frame.moveCenter(room.center());
        move(frame.topLeft());
    }
}

void TRptPreviewForm::updateActions() {
    const int current = renderPreview_.currentPage();
    const int pages = renderPreview_.pages();
    actnPage_First->setEnabled(canMoveBack(current));
    actnPage_Previous->setEnabled(canMoveBack(current));
    actnPage_Next->setEnabled(canMoveForward(current, pages));
    actnPage_Last->setEnabled(canMoveForward(current, pages));
}

// ---------------------------------------------------------------- renderer reports

void TRptPreviewForm::RenderPreviewPageChange() {
    const int current = renderPreview_.currentPage();
    const int pages = renderPreview_.pages();
    PageEdit->setText(QString::number(current));
    PageLabel->setText(pageCountText(pages));
    PageLabel->setFixedWidth(PageLabel->fontMetrics().horizontalAdvance(PageLabel->text()) + 8);
    sbarMain->showMessage(pageStatusText(current, pages));
    updateActions();
}

void TRptPreviewForm::RenderPreviewZoomChange() {
    ZoomEdit->setText(zoomText(renderPreview_.zoomFactor()));
    if (renderPreview_.hasPicture())
        renderPreview_.redrawPage();
}

// ---------------------------------------------------------------- pages and zoom

void TRptPreviewForm::actnPage_FirstExecute() {
    renderPreview_.showPage(1);
}
void TRptPreviewForm::actnPage_PreviousExecute() {
    renderPreview_.previousPage();
}
void TRptPreviewForm::actnPage_NextExecute() {
    renderPreview_.nextPage();
}
void TRptPreviewForm::actnPage_LastExecute() {
    renderPreview_.showPage(renderPreview_.pages());
}

void TRptPreviewForm::actnZoom_InExecute() {
    renderPreview_.zoomIn();
}
void TRptPreviewForm::actnZoom_OutExecute() {
    renderPreview_.zoomOut();
}
void TRptPreviewForm::actnZoom_PageWidthExecute() {
    renderPreview_.setZoomFactor(renderPreview_.zoomPageWidthFactor());
}
void TRptPreviewForm::actnZoom_PageExecute() {
    renderPreview_.setZoomFactor(renderPreview_.zoomPageFactor());
}

void TRptPreviewForm::PageEditExit() {
    if (const auto page = pageEditTarget(PageEdit->text(), renderPreview_.currentPage()))
        renderPreview_.showPage(*page);
}

void TRptPreviewForm::ZoomEditExit() {
    if (const auto factor = zoomEditTarget(ZoomEdit->text(), renderPreview_.zoomFactor()))
        renderPreview_.setZoomFactor(*factor);
}

void TRptPreviewForm::actnFile_ExitExecute() {
    close();
}

} // namespace zamt
