#include "mainwindow/tableform.h"

#include "platform/ui/sysutils.h"

TTableFormBuilder TableFormBuilder = BuildTableForm;

void BuildTableForm(TMainForm&, const TMenuCommand&, const MibCommand& table, std::unique_ptr<TForm>&)
{
    throw Exception(AnsiString("\"") + table.caption + "\": configuration forms are not available in this build");
}
