#include "forms/layer2/macstatistictableformunit.h"

#include "mib/bridgeforms.h"

TMacStatisticTableForm* MacStatisticTableForm = nullptr;

namespace {

const TResForm kLayout = {"MacStatisticTableForm", "MacStatisticTableForm", 670, 432,
                          poMainFormCenter, bsSizeable, Dot1xStatisticsComponents()};

}  // namespace

TMacStatisticTableForm::TMacStatisticTableForm(TComponent* Owner)
    : TDot1xStatisticsForm(Owner, kLayout, swPaeStatisticsEntry) {}
