// Forms, scroll boxes, the screen and the application object.
#pragma once

#include <QDialog>
#include <QScrollArea>

#include "platform/ui/controls.h"

class Exception;
class QEventLoop;
class TMainMenu;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
    poMainFormCenter, poOwnerFormCenter,
};

using TCloseEvent = TClosure<TObject*, TCloseAction&>;
using TCloseQueryEvent = TClosure<TObject*, bool&>;

// A form: a QDialog, or a child window when given a parent. Its controls sit in a client
// widget below the menu bar. A child form with a border draws it itself, as a window inside
// its parent: opaque, framed, with its caption on a title strip; the client area keeps its
// size when the form becomes a child or a window again.
//
// OnCreate runs once: a form class calls DoCreate() at the end of its constructor (after its
// layout is built); a form shown without it gets it before its first showing.
//
// Closing: Close() on a modal form sets ModalResult mrCancel. A modal form whose
// ModalResult becomes non-zero asks OnCloseQuery, then OnClose with caHide; caNone keeps it
// open (ModalResult back to 0), anything else ends ShowModal, caFree also releases the form.
// A form that is not modal asks the same and then hides, minimises or releases itself; the
// application's main form ends the application instead.
class TForm : public TQtControl<QDialog> {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    AnsiString Caption() const { return FromQ(windowTitle()); }
    void SetCaption(const AnsiString& s) { setWindowTitle(ToQ(s)); }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle s);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r);
    // Shows the form and runs messages until it closes; returns its ModalResult.
    // EInvalidOperation when the form is already visible.
    int ShowModal();
    void Close();
    // Destroys the form once the current message has been handled.
    void Release();
    bool Active() const { return active_; }
    // The control that has (or, while the form is hidden, gets when shown) the focus.
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);

    void SetVisible(bool v) override;
    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    QWidget* ClientWidget() const override { return client_; }
    void SetClientWidth(int w) override;
    void SetClientHeight(int h) override;
    void Resized() override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void DoCreate();
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void done(int r) override;

private:
    bool CloseQuery();
    TCloseAction DoClose();
    void CloseModal();
    void SetActive(bool v);
    void PlaceOnShow();
    void LayoutClient();
    void ApplySizeLimits();
    // A child form with a border: the frame and title strip around its client area.
    bool Framed() const { return !isWindow() && borderStyle_ != bsNone; }
    QMargins FrameMargins() const;
    QRect CaptionRect() const;

    QWidget* client_;
    TMainMenu* menu_ = nullptr;
    TPosition position_ = poDesigned;
    TFormBorderStyle borderStyle_ = bsSizeable;
    bool keyPreview_ = false;
    bool created_ = false;
    bool active_ = false;
    TModalResult modalResult_ = mrNone;
    QEventLoop* modalLoop_ = nullptr;
    bool closePending_ = false;
    bool released_ = false;
    QPointer<QWidget> activeControl_;
};

// The nearest form that holds the control; null when none.
TForm* GetParentForm(const TControl* control);

// A scroll box: its children sit in an area that grows to hold them, with scroll bars when
// AutoScroll is on.
class TScrollBox : public TQtControl<QScrollArea> {
public:
    explicit TScrollBox(TComponent* owner);

    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v);

    QWidget* ClientWidget() const override { return area_; }
    QRect ClientRect() const override;
    void AlignControls() override;
    void ControlBoundsChanged(TControl* c) override;

private:
    void UpdateRange();
    QWidget* area_;
    bool autoScroll_ = true;
};

using TCursor = int;
enum : int {
    crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
    crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crHourGlass = -11, crHSplit = -14,
    crVSplit = -15, crNo = -18, crAppStart = -19, crHandPoint = -21, crSizeAll = -22,
};

class TScreen : public TComponent {
public:
    TScreen() : TComponent(nullptr) {}
    int PixelsPerInch() const;
    int Width() const;
    int Height() const;
    // The cursor of the whole application; crDefault gives each control its own again.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);
    TForm* ActiveForm() const;

private:
    TCursor cursor_ = crDefault;
};

extern TScreen* Screen;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // The program's file as started (its full path unless set); Title defaults to its name
    // without directory and extension ("vrx6120").
    AnsiString ExeName() const;
    void SetExeName(const AnsiString& path) { exeName_ = path; }
    AnsiString Title() const;
    void SetTitle(const AnsiString& t) { title_ = t; }

    // The main form: shown by Run; closing it ends the application.
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* f) { mainForm_ = f; }
    // Creates a form owned by the application; the first one becomes the main form.
    template <class F>
    void CreateForm(F*& form)
    {
        form = new F(this);
        if (!mainForm_) mainForm_ = form;
    }
    // Shows the main form and runs messages until Terminate.
    void Run();

    // Runs the pending window messages, then returns.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Shows an exception the way an unhandled one in an event is shown.
    void ShowException(const Exception& e);
    void HandleException();
    int MessageBox(const AnsiString& text, const AnsiString& caption, int flags);

    // Destroys the forms and components the application owns; runs when Qt's application
    // object goes, while the widgets can still be destroyed.
    void DestroyOwned() { DestroyComponents(); }

private:
    AnsiString exeName_;
    AnsiString title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

extern TApplication* Application;

void Sleep(unsigned milliseconds);
