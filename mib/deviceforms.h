// Descriptor tables of the device forms: port mirroring, packet storm control, the safeguard
// engine, the RMON probe and the multiple configurations.
#pragma once

#include "common/qzoptionlist.h"
#include "snmpvars/uisnmpvar.h"

extern QzOptionList pktStormTrapCtrlOptions;   // none, stormOccurred, stormCleared, both
extern QzOptionList safeGuardModeOptions;      // strict (1) / fuzzy (2)
extern QzOptionList safeGuardStatusOptions;    // normal (1) / exhausted (2)
extern QzOptionList multiCfgCtrlIDOptions;     // cfgId-1 (1) / cfgId-2 (2)
extern QzOptionList multiCfgActionOptions;     // active, delete, bootup, none
extern QzOptionList probeResetControlOptions;  // running, warmBoot, coldBoot

// The mirror scalars: target port, ingress and egress source ports, state.
extern const UISnmpVar swL2MirrorCtrl[];
// The storm-recovery port list and the storm trap control.
extern const UISnmpVar swPktStormCtrl[];
// Rising and falling thresholds, mode, alarm state, current status.
extern const UISnmpVar swSafeGuardCtrl[];
// The RMON2 probe configuration: capabilities, revisions, reset control.
extern const UISnmpVar probeConfig[];
// The multiple-configuration control table: key count 1.
extern const UISnmpVar swMultiCfgCtrlEntry[];
