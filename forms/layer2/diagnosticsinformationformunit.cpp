#include "forms/layer2/diagnosticsinformationformunit.h"

#include "mib/bridgeforms.h"

TDiagnosticsInformationForm* DiagnosticsInformationForm = nullptr;

namespace {

const TResForm kLayout = {"DiagnosticsInformationForm", "DiagnosticsInformation  Form", 696, 480,
                          poMainFormCenter, bsSizeable, Dot1xStatisticsComponents()};

}  // namespace

TDiagnosticsInformationForm::TDiagnosticsInformationForm(TComponent* Owner)
    : TDot1xStatisticsForm(Owner, kLayout, swPaeDiagnosticsEntry) {}
