// Colours, fonts, brushes, pens and pictures of the class library.
#pragma once

#include <QColor>
#include <QImage>

#include "platform/ui/classes.h"

// The class library's colours: 0x00BBGGRR (red in the low byte). Negative values are the
// system colours (0xFF000000 + the system colour index), taken from the application's palette.
using TColor = int;
enum : int {
    clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
    clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
    clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
    clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
    clMenu = -16777212, clWindow = -16777211, clWindowText = -16777208,
    clHighlight = -16777203, clHighlightText = -16777202, clBtnFace = -16777201,
    clBtnShadow = -16777200, clGrayText = -16777199, clBtnText = -16777198,
    clInfoText = -16777193, clInfoBk = -16777192,
};
QColor ColorToQ(TColor c);

class EInvalidGraphic : public Exception { using Exception::Exception; };

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

// A control's font; the control applies every change at once (OnChange).
class TFont : public TObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    int Size() const { return size_; }  // points; 0 = the widget set's default
    void SetSize(int points);
    AnsiString Name() const { return name_; }  // empty = the widget set's default
    void SetName(const AnsiString& name);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles s);

    TNotifyEvent OnChange;

private:
    void Changed() { FireEvent(OnChange, static_cast<TObject*>(this)); }
    TColor color_ = clWindowText;
    int size_ = 0;
    AnsiString name_;
    TFontStyles style_;
};

enum TBrushStyle { bsSolid, bsClear };
enum TPenStyle { psSolid, psClear = 5 };

class TBrush : public TObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle s);
    TNotifyEvent OnChange;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

class TPen : public TObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    int Width() const { return width_; }
    void SetWidth(int w);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle s);
    TNotifyEvent OnChange;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
};

// A picture read from a file (BMP, JPEG, PNG, ...). LoadFromFile raises EFOpenError for a file
// that is not there and EInvalidGraphic for one that is no picture; the old picture then stays.
class TGraphic : public TObject {
public:
    void LoadFromFile(const AnsiString& fileName);
    void Assign(const TGraphic* other);
    void Clear();
    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // The layer's controls draw from it.
    const QImage& Image() const { return image_; }

    TNotifyEvent OnChange;

private:
    QImage image_;
};

class TBitmap : public TGraphic {};
class TPicture : public TGraphic {};
