#include "mainwindow/featureforms.h"

#include <map>
#include <string>

#include "mainwindow/aboutunit.h"
#include "mainwindow/mainunit.h"
#include "mainwindow/menucommands.h"

namespace {

std::map<std::string, TFeatureForm>& Registry()
{
    // The main window's own About box is there from the start.
    static std::map<std::string, TFeatureForm> forms{{"About1", MakeFeatureForm<TAboutForm>(&AboutForm)}};
    return forms;
}

void EnableItem(const AnsiString& component, bool enabled)
{
    if (!MainForm) return;
    if (auto* item = dynamic_cast<TMenuItem*>(MainForm->FindComponent(component))) item->SetEnabled(enabled);
}

}  // namespace

void RegisterFeatureForm(const AnsiString& component, TFeatureForm form)
{
    const TMenuCommand* cmd = FindMenuCommand(component);
    if (!cmd || cmd->kind != ckForm) throw Exception("Menu item " + component + " opens no feature form");
    if (!form.create) throw Exception("Feature form of " + component + " cannot be created");
    if ((cmd->global != nullptr) != static_cast<bool>(form.setGlobal))
        throw Exception(cmd->global ? "Feature form of " + component + " needs its global variable " + cmd->global
                                    : "Feature form of " + component + " has no global variable");
    Registry()[component.std()] = std::move(form);
    EnableItem(component, true);
}

void UnregisterFeatureForm(const AnsiString& component)
{
    Registry().erase(component.std());
    EnableItem(component, false);
}

const TFeatureForm* FindFeatureForm(const AnsiString& component)
{
    auto it = Registry().find(component.std());
    return it == Registry().end() ? nullptr : &it->second;
}
