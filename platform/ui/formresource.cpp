#include "platform/ui/formresource.h"

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/buttons.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/stdctrls.h"

namespace {

std::vector<std::string> Split(const char* text)
{
    std::vector<std::string> out;
    if (!text) return out;
    std::string cur;
    for (const char* p = text; *p; ++p) {
        if (*p == '|') {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += *p;
        }
    }
    out.push_back(cur);
    return out;
}

TAlignment TextAlignment(unsigned flags)
{
    if (flags & rfCenter) return taCenter;
    if (flags & rfRightAlign) return taRightJustify;
    return taLeftJustify;
}

void FillStrings(TStrings* strings, const char* items)
{
    for (const std::string& s : Split(items)) strings->Add(AnsiString(s.c_str()));
}

// Creates the component of one table entry; the caller places it.
TComponent* Create(TForm* form, const TResComponent& c)
{
    const std::string cls = c.cls;
    const AnsiString caption = c.caption ? AnsiString(c.caption) : AnsiString();
    if (cls == "TPanel") {
        auto* p = new TPanel(form);
        p->SetCaption(caption);
        p->SetAlignment(TextAlignment(c.flags));
        if (c.flags & rfBevelNone) p->SetBevelOuter(bvNone);
        if (c.flags & rfSunken) p->SetBevelOuter(bvLowered);
        return p;
    }
    if (cls == "TButton") {
        auto* b = new TButton(form);
        b->SetCaption(caption);
        if (c.flags & rfDefault) b->SetDefault(true);
        return b;
    }
    if (cls == "TBitBtn") {
        auto* b = new TBitBtn(form);
        b->SetCaption(caption);
        if (c.flags & rfDefault) b->SetDefault(true);
        return b;
    }
    if (cls == "TLabel") {
        auto* l = new TLabel(form);
        l->SetCaption(caption);
        l->SetAlignment(TextAlignment(c.flags));
        if (c.flags & rfWordWrap) l->SetWordWrap(true);
        l->SetAutoSize((c.flags & rfAutoSize) != 0 || c.width == 0);
        return l;
    }
    if (cls == "TStaticText") {
        auto* t = new TStaticText(form);
        t->SetCaption(caption);
        t->SetAlignment(TextAlignment(c.flags));
        t->SetAutoSize((c.flags & rfAutoSize) != 0);
        if (c.flags & rfSunken) t->SetBorderStyle(sbsSunken);
        return t;
    }
    if (cls == "TEdit") {
        auto* e = new TEdit(form);
        e->SetText(caption);
        if (c.flags & rfReadOnly) e->SetReadOnly(true);
        if (c.extra > 0) e->SetMaxLength(c.extra);
        return e;
    }
    if (cls == "TComboBox") {
        auto* b = new TComboBox(form);
        if (c.flags & rfDropDownList) b->SetStyle(csDropDownList);
        FillStrings(b->Items(), c.items);
        if (!caption.IsEmpty()) b->SetText(caption);
        return b;
    }
    if (cls == "TCheckBox") {
        auto* b = new TCheckBox(form);
        b->SetCaption(caption);
        if (c.flags & rfChecked) b->SetChecked(true);
        return b;
    }
    if (cls == "TRadioButton") {
        auto* b = new TRadioButton(form);
        b->SetCaption(caption);
        if (c.flags & rfChecked) b->SetChecked(true);
        return b;
    }
    if (cls == "TGroupBox") {
        auto* g = new TGroupBox(form);
        g->SetCaption(caption);
        return g;
    }
    if (cls == "TRadioGroup") {
        auto* g = new TRadioGroup(form);
        g->SetCaption(caption);
        if (c.extra > 0) g->SetColumns(c.extra);
        FillStrings(g->Items(), c.items);
        return g;
    }
    if (cls == "TMemo") {
        auto* m = new TMemo(form);
        if (!caption.IsEmpty()) m->SetText(caption);
        if (c.flags & rfReadOnly) m->SetReadOnly(true);
        if (c.flags & rfScrollBars) m->SetScrollBars(ssVertical);
        return m;
    }
    if (cls == "TListView") {
        auto* lv = new TListView(form);
        lv->SetViewStyle(vsReport);
        lv->SetRowSelect(true);
        if (c.flags & rfReadOnly) lv->SetReadOnly(true);
        for (const std::string& col : Split(c.items)) {
            TListColumn* column = lv->Columns()->Add();
            const size_t colon = col.rfind(':');
            column->SetCaption(AnsiString(col.substr(0, colon).c_str()));
            if (colon != std::string::npos) column->SetWidth(std::stoi(col.substr(colon + 1)));
        }
        return lv;
    }
    if (cls == "TStatusBar") {
        auto* bar = new TStatusBar(form);
        for (const std::string& w : Split(c.items)) bar->Panels()->Add()->SetWidth(w.empty() ? 50 : std::stoi(w));
        if (!caption.IsEmpty()) bar->SetSimpleText(caption);
        return bar;
    }
    if (cls == "TPageControl") return new TPageControl(form);
    if (cls == "TTabSheet") {
        auto* sheet = new TTabSheet(form);
        sheet->SetCaption(caption);
        return sheet;
    }
    if (cls == "TScrollBox") return new TScrollBox(form);
    if (cls == "TSplitter") return new TSplitter(form);
    if (cls == "TProgressBar") {
        auto* bar = new TProgressBar(form);
        if (c.extra > 0) bar->SetMax(c.extra);
        return bar;
    }
    if (cls == "TTimer") {
        auto* t = new TTimer(form);
        t->SetEnabled(false);
        if (c.extra > 0) t->SetInterval(static_cast<unsigned>(c.extra));
        return t;
    }
    throw Exception(AnsiString("Unknown component class ") + c.cls + " of " + c.name);
}

}  // namespace

void LoadFormResource(TForm* form, const TResForm& res)
{
    if (res.name) form->SetName(res.name);
    if (res.caption) form->SetCaption(res.caption);
    form->SetBorderStyle(res.borderStyle);
    form->SetPosition(res.position);
    if (res.width > 0 && res.height > 0) form->SetBounds(form->Left(), form->Top(), res.width, res.height);

    for (const TResComponent* c = res.components; c && c->cls; ++c) {
        if (!c->name || form->FindComponent(c->name)) throw Exception(AnsiString("Duplicate component ") + (c->name ? c->name : "(unnamed)"));
        TWinControl* parent = form;
        if (c->parent && *c->parent) {
            parent = dynamic_cast<TWinControl*>(form->FindComponent(c->parent));
            if (!parent) throw Exception(AnsiString("Component ") + c->name + " has no container " + c->parent);
        }
        TComponent* made = Create(form, *c);
        made->SetName(c->name);
        auto* control = dynamic_cast<TControl*>(made);
        if (!control) continue;  // a timer
        if (auto* sheet = dynamic_cast<TTabSheet*>(control)) {
            auto* pages = dynamic_cast<TPageControl*>(parent);
            if (!pages) throw Exception(AnsiString("Tab sheet ") + c->name + " needs a page control");
            sheet->SetPageControl(pages);
            if (c->flags & rfNoTab) sheet->SetTabVisible(false);
            if (c->flags & rfActive) pages->SetActivePage(sheet);
            continue;
        }
        const int width = c->width > 0 ? c->width : control->Width();
        const int height = c->height > 0 ? c->height : control->Height();
        control->SetBounds(c->left, c->top, width, height);
        control->SetParent(parent);
        if (c->align != alNone) {
            control->SetAlign(c->align);
            // A control that came with an alignment of its own (a splitter) takes the
            // designed size across its new edge.
            if ((c->align == alTop || c->align == alBottom) && c->height > 0) control->SetHeight(c->height);
            if ((c->align == alLeft || c->align == alRight) && c->width > 0) control->SetWidth(c->width);
        }
        if (c->flags & rfBold) control->Font()->SetStyle(TFontStyles() << fsBold);
        if (c->flags & rfDisabled) control->SetEnabled(false);
        control->SetVisible((c->flags & rfHidden) == 0);
    }
}

TComponent* FindNamedComponent(const TComponent* owner, const AnsiString& name)
{
    TComponent* c = owner ? owner->FindComponent(name) : nullptr;
    if (!c) throw Exception("Component " + name + " not found");
    return c;
}
