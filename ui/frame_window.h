#pragma once

#include "ui/captions.h"

#include <QMainWindow>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;
class QToolBar;

namespace tirovane {

class LinkLabel;
class ResultForm;
class TirovaneApp;

// The band of buttons under the heading: the three visible buttons stay
// right-aligned whatever the width.
class ButtonBand : public QWidget {
    Q_OBJECT
public:
    explicit ButtonBand(QWidget* parent);
    void ArrangeButtons();
    // The captions of the frame window's bands, its links among them.
    Captions& BandCaptions() { return captions_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Captions captions_{"FrameWindow"};
};

// The heading band: the heading and the link under it stay centred.
class HeadingBand : public QWidget {
    Q_OBJECT
public:
    explicit HeadingBand(QWidget* parent);
    void ArrangeLabels();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The frame window that shows the result form, with its menus, toolbar,
// heading and buttons.
class FrameWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FrameWindow(TirovaneApp& app);

    ResultForm& Result() { return *result_; }

    // Closes the window without ending the program.
    void CloseQuietly();

    // Sizes the result form to what its contents need.
    void FitResult();

public slots:
    void TB_ButtonClick(const QString& key);
    void mnuNew_Click();
    void mnuSaveAsText_Click();
    void mnuSaveAsJpeg_Click();
    void mnuExportReport_Click();
    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuBack_Click();
    void mnuExit_Click();
    void cmdSave_Click();
    void cmdSaveAsJPEG_Click();
    void cmdBack_Click();
    void cmdExit_Click();
    void mnuToolBar_Click();
    void mnuStatusBar_Click();
    void mnuChart_Click();
    void MDIForm_Activate();
    // The check mark of View > Divisional Charts > Navamsa.
    void SetNavamsaChecked(bool on);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A new language: the menus, the toolbar and the bands again.
    void changeEvent(QEvent* event) override;

private:
    // The result form moved, where it can, to lie within the area's width.
    void KeepInArea();
    void BuildMenus();
    void BuildToolBar();
    QAction* Entry(QMenu* menu, const char* name, const char* caption, bool shown = true);
    void CheckOnly(const QList<QAction*>& group, QAction* chosen);

    TirovaneApp& app_;
    Captions captions_{"FrameWindow"};
    QToolBar* toolBar_ = nullptr;
    QMdiArea* area_ = nullptr;
    QMdiSubWindow* child_ = nullptr;
    ResultForm* result_ = nullptr;
    QList<QAction*> chartStyles_;
    QList<QAction*> matchingTables_; // 36 Points, Ten Poruthams, Both
    QList<QAction*> chartKinds_;
    QAction* navamsa_ = nullptr;
    bool quiet_ = false;
};

} // namespace tirovane
