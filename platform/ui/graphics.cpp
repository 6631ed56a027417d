#include "platform/ui/graphics.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPalette>

QColor ColorToQ(TColor c)
{
    if (c < 0) {
        // System colours: take them from the application's palette.
        QPalette pal = QApplication::palette();
        switch (c) {
        case clWindow: return pal.color(QPalette::Base);
        case clWindowText: return pal.color(QPalette::WindowText);
        case clHighlight: return pal.color(QPalette::Highlight);
        case clHighlightText: return pal.color(QPalette::HighlightedText);
        case clBtnShadow: return pal.color(QPalette::Dark);
        case clGrayText: return pal.color(QPalette::Disabled, QPalette::Text);
        case clBtnText: return pal.color(QPalette::ButtonText);
        case clInfoText: return pal.color(QPalette::ToolTipText);
        case clInfoBk: return pal.color(QPalette::ToolTipBase);
        default: return pal.color(QPalette::Button);
        }
    }
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// ---- TFont, TBrush, TPen ----

void TFont::SetColor(TColor c)
{
    if (c == color_) return;
    color_ = c;
    Changed();
}

void TFont::SetSize(int points)
{
    if (points == size_) return;
    size_ = points;
    Changed();
}

void TFont::SetName(const AnsiString& name)
{
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetStyle(TFontStyles s)
{
    if (s == style_) return;
    style_ = s;
    Changed();
}

void TBrush::SetColor(TColor c)
{
    color_ = c;
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TBrush::SetStyle(TBrushStyle s)
{
    style_ = s;
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TPen::SetColor(TColor c)
{
    color_ = c;
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TPen::SetWidth(int w)
{
    width_ = w < 0 ? 0 : w;
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TPen::SetStyle(TPenStyle s)
{
    style_ = s;
    FireEvent(OnChange, static_cast<TObject*>(this));
}

// ---- TGraphic ----

void TGraphic::LoadFromFile(const AnsiString& fileName)
{
    // ":/..." names a picture built into the program (a form's resource).
    bool builtIn = fileName.std().compare(0, 2, ":/") == 0;
    if (builtIn ? !QFile::exists(QString::fromLocal8Bit(fileName.c_str())) : !FileExists(fileName))
        throw EFOpenError(AnsiString::Format("Cannot open file \"%s\". No such file or directory",
                                             fileName.c_str()));
    QImageReader reader(QString::fromLocal8Bit(fileName.c_str()));
    QImage img = reader.read();
    if (img.isNull())
        throw EInvalidGraphic(AnsiString::Format("Picture \"%s\" is not valid", fileName.c_str()));
    image_ = img;
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TGraphic::Assign(const TGraphic* other)
{
    image_ = other ? other->image_ : QImage();
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TGraphic::Clear()
{
    image_ = QImage();
    FireEvent(OnChange, static_cast<TObject*>(this));
}
