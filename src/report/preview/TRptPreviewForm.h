#pragma once
// The report preview window: one page at a time as a picture of the paper,
// with paging, zoom, Save As, Print and Open from its tool bar, menus and
// keys. Shown modally for one report run.
#include "platform/Dialogs.h"
#include "report/preview/TRptRenderPreview.h"

#include <QDialog>
#include <memory>

class QAction;
class QFile;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QStatusBar;
class QToolBar;

namespace zamt {

struct RptOutputFormat;
class TRptRenderPrinter;
class TRptScrollBox;
class TRptSystem;

class TRptPreviewForm : public QDialog {
    Q_OBJECT
public:
    explicit TRptPreviewForm(QWidget* parent = nullptr);
    ~TRptPreviewForm() override;

    TRptRenderPreview& RenderPreview() { return renderPreview_; }
    // The report system of the run that shows the window; Print needs it.
    TRptSystem* ReportSystem = nullptr;

    // The page stream to show: a file, opened for reading when the window
    // starts, or else a stream that stays the caller's (seekable, readable).
    void setInputFileName(const QString& name) { inputFileName_ = name; }
    const QString& inputFileName() const { return inputFileName_; }
    void setInputStream(QIODevice* stream) { inputStream_ = stream; }

    // Opens the input, shows page 1 and calls the report system's
    // OnPreviewShow; errors reach the caller.
    void startPreview();
    // Closes the page stream the window opened.
    void closeInputFile();

    // Handlers, as the actions, menu items, boxes and keys call them.
    void actnFile_OpenExecute();
    void actnFile_SaveExecute();
    void actnFile_PrintExecute();
    void actnFile_ExitExecute();
    void actnPage_FirstExecute();
    void actnPage_PreviousExecute();
    void actnPage_NextExecute();
    void actnPage_LastExecute();
    void actnZoom_InExecute();
    void actnZoom_OutExecute();
    void actnZoom_PageWidthExecute();
    void actnZoom_PageExecute();
    void GotoPage1Click();
    void PageEditExit();
    void ZoomEditExit();
    void RenderPreviewPageChange();
    void RenderPreviewZoomChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    QAction* action(const char* name, const char* caption, const char* hint,
                    const QKeySequence& shortcut, void (TRptPreviewForm::*handler)());
    void updateActions();
    // Key handling of the whole window (see PreviewKeys.h).
    bool FormKeyDown(QKeyEvent* event);
    bool FormKeyPress(QObject* receiver, QKeyEvent* event);
    bool editBoxKeyPress(QObject* receiver, char16_t character);
    bool isShortcutOfEnabledAction(const QKeyEvent* event) const;
    void selectEditTexts();
    void showStream(std::unique_ptr<QFile> file, const QString& name);
    void saveStream(QIODevice& stream, const RptOutputFormat& format, const QString& fileName);

    TRptRenderPreview renderPreview_;
    // Made on the first Print: the printer device is asked for its settings.
    std::unique_ptr<TRptRenderPrinter> renderPrinter_;
    QString inputFileName_;
    QIODevice* inputStream_ = nullptr;
    std::unique_ptr<QFile> inputFile_;

    QMenuBar* MainMenu1;
    QToolBar* ToolBar1;
    QLineEdit* PageEdit;
    QLabel* PageLabel;
    QLineEdit* ZoomEdit;
    TRptScrollBox* ScrollBox1;
    QMenu* PopupMenu1;
    QStatusBar* sbarMain;
    OpenFileRequest dlogOpen;
    SaveFileRequest dlogSave;

    QAction* actnFile_Open;
    QAction* actnFile_Save;
    QAction* actnFile_Print;
    QAction* actnFile_Exit;
    QAction* actnPage_First;
    QAction* actnPage_Previous;
    QAction* actnPage_Next;
    QAction* actnPage_Last;
    QAction* actnZoom_In;
    QAction* actnZoom_Out;
    QAction* actnZoom_PageWidth;
    QAction* actnZoom_Page;
    QAction* GotoPage1;
    bool centred_ = false;
};

} // namespace zamt
