// Descriptor tables of the table commands of the "Basic Configuration" menu: device, equipment and
// agent management, system log, time and IF-MIB.
#include "common/qzoptionlist.h"
#include "mib/mibareas.h"
#include "mib/mibshared.h"
#include "snmpvars/uisnmpvar.h"

namespace {

// DeviceInformation1: "Device Information"
const UISnmpVar DeviceInformation1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.1.1", "Total Number Of Port", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.1.1.2", "Number Of Port In Use", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.1.1.4", "swDevInfoBootPromVersion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.11.70.2.2.1.1.5", "swDevInfoFirewareVersion", sxDisplayStr, acReadOnly},
    {nullptr},
};

// AlarmControl1: "Alarm Control"
const UISnmpVar AlarmControl1Vars[] = {
    {"1.3.6.1.4.1.171.11.70.2.2.1.3.1", "swL2DevAlarmNewRoot", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.70.2.2.1.3.2", "swL2DevAlarmTopologyChange", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.11.70.2.2.1.3.3", "swL2DevAlarmLinkChange", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// Unitinformation1: "Unit information"
const UISnmpVar Unitinformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.1", "swUnitStackingVersion", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.2", "swUnitMaxSupportedUnits", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.3", "swUnitNumOfUnit", sxInteger, acReadOnly},
    {nullptr},
};

// UnitTable1: "Unit Table"
const QzOptionEntry kSwUnitMgmtStatus[] = {{1, "exist"}, {0, "not-exist"}, {0, nullptr}};
QzOptionList SwUnitMgmtStatusOptions(kSwUnitMgmtStatus);
const QzOptionEntry kSwUnitMgmtCurrentMode[] = {{2, "auto"}, {3, "stand-alone"}, {4, "master"},
    {5, "slave"}, {0, nullptr}};
QzOptionList SwUnitMgmtCurrentModeOptions(kSwUnitMgmtCurrentMode);
const UISnmpVar UnitTable1Vars[] = {
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.1", "swUnitMgmtId", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.2", "swUnitMgmtStatus", sxInteger, acReadOnly, &SwUnitMgmtStatusOptions},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.3", "swUnitMgmtMacAddr", sxMacAddress, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.4", "swUnitMgmtStartPort", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.5", "swUnitMgmtPortRange", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.6", "swUnitMgmtFrontPanelLedStatus", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.8", "swUnitMgmtCurrentMode", sxInteger, acReadOnly, &SwUnitMgmtCurrentModeOptions},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.9", "swUnitMgmtVersion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.10", "swUnitMgmtModuleName", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.11", "swUnitMgmtPromVersion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.12", "swUnitMgmtFirmwareVersion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.13", "swUnitMgmtHardwareVersion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.9.5.1.14", "swUnitMgmtPriority", sxInteger, acReadWrite},
    {nullptr},
};

// PowerTable1: "Power Table"
const QzOptionEntry kPowerStatus[] = {{0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"},
    {3, "working"}, {4, "fail"}, {5, "connect"}, {6, "disconnect"}, {0, nullptr}};
QzOptionList PowerStatusOptions(kPowerStatus);
const UISnmpVar PowerTable1Vars[] = {
    {"1.3.6.1.4.1.171.12.11.1.6.1.1", "Power Unit Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.6.1.2", "Power ID", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.11.1.6.1.3", "Power Status", sxInteger, acReadOnly, &PowerStatusOptions},
    {nullptr},
};

// FanTable1: "Fan Table"
const QzOptionEntry kSwFanStatus[] = {{0, "other"}, {1, "working"}, {2, "fail"}, {0, nullptr}};
QzOptionList SwFanStatusOptions(kSwFanStatus);
const UISnmpVar FanTable1Vars[] = {
    {"1.3.6.1.4.1.171.12.11.1.7.1.1", "swFanUnitIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.7.1.2", "swFanID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.11.1.7.1.3", "swFanStatus", sxInteger, acReadOnly, &SwFanStatusOptions},
    {nullptr},
};

// BasicInfo1: "Basic Information"
const QzOptionEntry kProtocolCapability[] = {{1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"},
    {4, "snmp-ip-ipx"}, {0, nullptr}};
QzOptionList ProtocolCapabilityOptions(kProtocolCapability);
const QzOptionEntry kConsoleStatus[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"},
    {0, nullptr}};
QzOptionList ConsoleStatusOptions(kConsoleStatus);
const QzOptionEntry kDeviceConfigurationStatus[] = {{1, "other"}, {2, "proceeding"},
    {3, "completed"}, {4, "failed"}, {0, nullptr}};
QzOptionList DeviceConfigurationStatusOptions(kDeviceConfigurationStatus);
const QzOptionEntry kFirmwareDownloadStatus[] = {{1, "other"}, {2, "in-process"},
    {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"}, {6, "disk-full"},
    {7, "complete"}, {8, "time-out"}, {9, "not-format"}, {10, "memory-full"}, {0, nullptr}};
QzOptionList FirmwareDownloadStatusOptions(kFirmwareDownloadStatus);
const QzOptionEntry kDualImageStatus[] = {{0, "not-supported"}, {1, "supported"}, {0, nullptr}};
QzOptionList DualImageStatusOptions(kDualImageStatus);
const UISnmpVar BasicInfo1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.1.1", "Protocol Capability", sxInteger, acReadOnly, &ProtocolCapabilityOptions},
    {"1.3.6.1.4.1.171.12.1.1.3", "Console Status", sxInteger, acReadOnly, &ConsoleStatusOptions},
    {"1.3.6.1.4.1.171.12.1.1.4", "Device Configuration Status", sxInteger, acReadOnly, &DeviceConfigurationStatusOptions},
    {"1.3.6.1.4.1.171.12.1.1.5", "Firmware Download Status", sxInteger, acReadOnly, &FirmwareDownloadStatusOptions},
    {"1.3.6.1.4.1.171.12.1.1.7", "Dual Image Status", sxInteger, acReadOnly, &DualImageStatusOptions},
    {nullptr},
};

// MibCapabilities1: "Mib Capabilities"
const QzOptionEntry kType[] = {{1, "other"}, {2, "standard"}, {3, "proprietary"},
    {4, "experiment"}, {0, nullptr}};
QzOptionList TypeOptions(kType);
const UISnmpVar MibCapabilities1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.1.2.1.1", "Index", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.2.1.2", "Description", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.2.1.3", "Version", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.2.1.4", "Type", sxInteger, acReadOnly, &TypeOptions},
    {nullptr},
};

// BasicConfigure1: "Basic Configuration"
const QzOptionEntry kSystemResetState[] = {{1, "other"}, {2, "cold-start"}, {3, "warm-start"},
    {4, "no-reset"}, {0, nullptr}};
QzOptionList SystemResetStateOptions(kSystemResetState);
const QzOptionEntry kRs232PortConfig[] = {{1, "other"}, {2, "console"}, {3, "out-of-band"},
    {4, "notAvail"}, {0, nullptr}};
QzOptionList Rs232PortConfigOptions(kRs232PortConfig);
const QzOptionEntry kSaveConfig[] = {{1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"}, {4, "log"},
    {5, "all"}, {0, nullptr}};
QzOptionList SaveConfigOptions(kSaveConfig);
const UISnmpVar BasicConfigure1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.2.3", "System Reset State", sxInteger, acReadWrite, &SystemResetStateOptions},
    {"1.3.6.1.4.1.171.12.1.2.4", "Rs232 Port Config", sxInteger, acReadOnly, &Rs232PortConfigOptions},
    {"1.3.6.1.4.1.171.12.1.2.6", "Save Config", sxInteger, acReadWrite, &SaveConfigOptions},
    {nullptr},
};

// AgentSuportedUpdateFiles1: "Agent Supported Update Files"
const QzOptionEntry kAgentBscSwFileTransferType[] = {{1, "other"}, {2, "network-load"},
    {3, "out-of-band-load"}, {0, nullptr}};
QzOptionList AgentBscSwFileTransferTypeOptions(kAgentBscSwFileTransferType);
const QzOptionEntry kAgentBscSwFileLoadType[] = {{1, "other"}, {2, "upload"}, {3, "download"},
    {0, nullptr}};
QzOptionList AgentBscSwFileLoadTypeOptions(kAgentBscSwFileLoadType);
const QzOptionEntry kAgentBscSwFileCtrl[] = {{1, "other"}, {2, "inactive"}, {3, "start"},
    {4, "delete"}, {5, "config-as-bootup-fw"}, {0, nullptr}};
QzOptionList AgentBscSwFileCtrlOptions(kAgentBscSwFileCtrl);
const UISnmpVar AgentSuportedUpdateFiles1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.2.1.1.1", "agentBscSwFileIndex", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.1.2.1.1.2", "agentBscSwFileDscr", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.1.1.3", "agentBscSwFileAddr", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.1.1.4", "agentBscSwFileTransferType", sxInteger, acReadWrite, &AgentBscSwFileTransferTypeOptions},
    {"1.3.6.1.4.1.171.12.1.2.1.1.5", "agentBscSwFile", sxDisplayStr, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.1.1.6", "agentBscSwFileLocateId", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.2.1.1.7", "agentBscSwFileLoadType", sxInteger, acReadWrite, &AgentBscSwFileLoadTypeOptions},
    {"1.3.6.1.4.1.171.12.1.2.1.1.8", "agentBscSwFileCtrl", sxInteger, acReadWrite, &AgentBscSwFileCtrlOptions},
    {"1.3.6.1.4.1.171.12.1.2.1.1.9", "agentBscSwFileBIncrement", sxInteger, acReadWrite, &mibTruthValueOptions},
    {"1.3.6.1.4.1.171.12.1.2.1.1.10", "agentMultiImageCtrlID", sxInteger, acReadWrite},
    {nullptr},
};

// CpuUtilization1: "CPU Utilization Table"
const UISnmpVar CpuUtilization1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.1.6.1", "CPU Utilization In 5 seconds", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.6.2", "CPU Utilization In 1 minute", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.1.6.3", "CPU Utilization In 5 minutes", sxInteger, acReadOnly},
    {nullptr},
};

// Multipleimagemanagement1: "Mutiple Image Management"
const UISnmpVar Multipleimagemanagement1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.2.7.1.1", "swMultiImageInfoID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.1.2.7.1.2", "swMultiImageVersion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.7.1.3", "swMultiImageSize", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.7.1.4", "swMultiImageUpdateTime", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.7.1.5", "swMultiImageFrom", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.7.1.6", "swMultiImageSendUser", sxDisplayStr, acReadOnly},
    {nullptr},
};

// GeneralInformation2: "Multiple Config General Information"
const UISnmpVar GeneralInformation2Vars[] = {
    {"1.3.6.1.4.1.171.12.1.2.8.2", "swMultiCfgCurrentUsed", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.8.3", "swMultiCfgBootUp", sxInteger, acReadOnly},
    {nullptr},
};

// MultipleConfigInformation1: "Multiple Config Information Table"
const UISnmpVar MultipleConfigInformation1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.1", "swMultiCfgInfoID", sxInteger, acNotAccess},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.2", "swMultiCfgVersion", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.3", "swMultiCfgSize", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.4", "swMultiCFgUpdateTime", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.5", "swMultiCfgFrom", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.2.8.1.1.6", "swMultiCfgSendUser", sxDisplayStr, acReadOnly},
    {nullptr},
};

// SeverityControlManagement1: "Severity Control Management"
const UISnmpVar SeverityControlManagement1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.2.9.1", "systemSeverityTrapControl", sxInteger, acReadWrite, &mibSeverityOptions},
    {"1.3.6.1.4.1.171.12.1.2.9.2", "systemSeverityLogControl", sxInteger, acReadWrite, &mibSeverityOptions},
    {nullptr},
};

// IPProtoConfigure1: "IP ProtoConfigure"
const QzOptionEntry kAgentIpGetIpFrom[] = {{1, "other"}, {2, "disabled"}, {3, "bootp"},
    {4, "dhcp"}, {0, nullptr}};
QzOptionList AgentIpGetIpFromOptions(kAgentIpGetIpFrom);
const UISnmpVar IPProtoConfigure1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.3.1", "agentIpNumOfIf", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.3.3", "agentIpGetIpFrom", sxInteger, acReadWrite, &AgentIpGetIpFromOptions},
    {nullptr},
};

// PingTest1: "Ping Test"
const QzOptionEntry kAgentPingTestControl[] = {{0, "stop"}, {1, "active"}, {0, nullptr}};
QzOptionList AgentPingTestControlOptions(kAgentPingTestControl);
const QzOptionEntry kAgentPingTestStatus[] = {{0, "finish"}, {1, "proceeding"}, {0, nullptr}};
QzOptionList AgentPingTestStatusOptions(kAgentPingTestStatus);
const UISnmpVar PingTest1Vars[] = {
    {"1.3.6.1.4.1.171.12.1.4.1", "agentPingTestIPAddress", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.4.2", "agentPingTestRepetition", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.1.4.3", "agentPingTestControl", sxInteger, acReadWrite, &AgentPingTestControlOptions},
    {"1.3.6.1.4.1.171.12.1.4.4", "agentPingTestStatus", sxInteger, acReadOnly, &AgentPingTestStatusOptions},
    {"1.3.6.1.4.1.171.12.1.4.5", "agentPingTestSuccessCount", sxInteger, acReadOnly},
    {"1.3.6.1.4.1.171.12.1.4.6", "agentPingTestFailCount", sxInteger, acReadOnly},
    {nullptr},
};

// SystemLogState1: "System Log State"
const UISnmpVar SystemLogState1Vars[] = {
    {"1.3.6.1.4.1.171.12.12.1", "swSysLogCtrlState", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {nullptr},
};

// SystemLogServerTable1: "System Log Server Table"
const QzOptionEntry kSwSysLogServerIndex[] = {{1, "swSysLogServerIndex-1"},
    {2, "swSysLogServerIndex-2"}, {3, "swSysLogServerIndex-3"}, {4, "swSysLogServerIndex-4"},
    {0, nullptr}};
QzOptionList SwSysLogServerIndexOptions(kSwSysLogServerIndex);
const QzOptionEntry kSwSysLogServerFacility[] = {{0, "local0"}, {1, "local1"}, {2, "local2"},
    {3, "local3"}, {4, "local4"}, {5, "local5"}, {6, "local6"}, {7, "local7"}, {0, nullptr}};
QzOptionList SwSysLogServerFacilityOptions(kSwSysLogServerFacility);
const QzOptionEntry kSwSysLogServerSeverity[] = {{1, "all"}, {2, "warning"}, {3, "informational"},
    {0, nullptr}};
QzOptionList SwSysLogServerSeverityOptions(kSwSysLogServerSeverity);
const UISnmpVar SystemLogServerTable1Vars[] = {
    {"1.3.6.1.4.1.171.12.12.2.1.1", "swSysLogServerIndex", sxInteger, acNotAccess, &SwSysLogServerIndexOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.2", "swSysLogServerIPAddress", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.12.2.1.3", "swSysLogServerFacility", sxInteger, acReadWrite, &SwSysLogServerFacilityOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.4", "swSysLogServerSeverity", sxInteger, acReadWrite, &SwSysLogServerSeverityOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.5", "swSysLogServerUDPPort", sxInteger, acReadWrite},
    {"1.3.6.1.4.1.171.12.12.2.1.6", "swSysLogServerState", sxInteger, acReadWrite, &mibOtherDisabledEnabledOptions},
    {"1.3.6.1.4.1.171.12.12.2.1.7", "swSysLogServerRowStatus", sxInteger, acReadWrite, &mibRowStatusOptions},
    {nullptr},
};

// Time1: "Current Time"
const UISnmpVar Time1Vars[] = {
    {"1.3.6.1.4.1.171.12.10.1", "Time Capacity", sxBitStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.10.2", "Current Cloc(Example 1992-5-26,13:30:15.0)", sxDateTime, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.3", "Clock Reset On Reboot", sxInteger, acReadOnly, &mibTruthValueOptions},
    {nullptr},
};
const MibVarFormat kTime1Formats[] = {{1, "%s{l21}"}, {0, nullptr}};

// CurrentTime1: "System Time"
const UISnmpVar CurrentTime1Vars[] = {
    {"1.3.6.1.4.1.171.12.10.3", "Clock Reset On Reboot", sxInteger, acReadOnly, &mibTruthValueOptions},
    {"1.3.6.1.4.1.171.12.10.10.1", "Current Time", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.10.10.2", "System UpTime", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.10.10.3", "System BootTime", sxDisplayStr, acReadOnly},
    {"1.3.6.1.4.1.171.12.10.10.4", "System Time Zone [ -779..839]", sxInteger, acReadWrite},
    {nullptr},
};

// NetworkTime1: "Network Time"
const QzOptionEntry kTimeSource[] = {{0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr}};
QzOptionList TimeSourceOptions(kTimeSource);
const UISnmpVar NetworkTime1Vars[] = {
    {"1.3.6.1.4.1.171.12.10.11.1", "Network Time State", sxInteger, acReadWrite, &mibDisabled2Enabled3Options},
    {"1.3.6.1.4.1.171.12.10.11.2", "Time Source", sxInteger, acReadOnly, &TimeSourceOptions},
    {"1.3.6.1.4.1.171.12.10.11.3", "Server1 IPAddr", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.11.4", "Server2 IPAddr", sxIpAddress, acReadWrite},
    {"1.3.6.1.4.1.171.12.10.11.5", "Poll Interval[30....99999(sec)]", sxInteger, acReadWrite},
    {nullptr},
};

// IFXTable1: "IfX Table"
const QzOptionEntry kPromiscuousMode[] = {{2, "false"}, {0, nullptr}};
QzOptionList PromiscuousModeOptions(kPromiscuousMode);
const UISnmpVar IFXTable1Vars[] = {
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", sxInteger, acNotAccess},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", sxDisplayStr, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Sended", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Sended", sxCounter, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Sended", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Sended", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Sended", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Sended", sxCounter64, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.14", "LinkUpDown Trap State", sxInteger, acReadWrite, &mibEnabled1Disabled2Options},
    {"1.3.6.1.2.1.31.1.1.1.15", "HighSpeed", sxGauge, acReadOnly},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", sxInteger, acReadOnly, &PromiscuousModeOptions},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", sxInteger, acReadOnly, &mibTruthValueOptions},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", sxDisplayStr, acReadWrite},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", sxTimeTicks, acReadOnly},
    {nullptr},
};

}  // namespace

extern const MibCommand kBasicConfigCommands[] = {
    {"DeviceInformation1", "Device Information", DeviceInformation1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"AlarmControl1", "Alarm Control", AlarmControl1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"Unitinformation1", "Unit information", Unitinformation1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"UnitTable1", "Unit Table", UnitTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PowerTable1", "Power Table", PowerTable1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"FanTable1", "Fan Table", FanTable1Vars, MVT_FMV, 2, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"BasicInfo1", "Basic Information", BasicInfo1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"MibCapabilities1", "Mib Capabilities", MibCapabilities1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"BasicConfigure1", "Basic Configuration", BasicConfigure1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"AgentSuportedUpdateFiles1", "Agent Supported Update Files", AgentSuportedUpdateFiles1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"CpuUtilization1", "CPU Utilization Table", CpuUtilization1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"Multipleimagemanagement1", "Mutiple Image Management", Multipleimagemanagement1Vars, MVT_FMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"GeneralInformation2", "Multiple Config General Information", GeneralInformation2Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"MultipleConfigInformation1", "Multiple Config Information Table", MultipleConfigInformation1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"SeverityControlManagement1", "Severity Control Management", SeverityControlManagement1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"IPProtoConfigure1", "IP ProtoConfigure", IPProtoConfigure1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"PingTest1", "Ping Test", PingTest1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"SystemLogState1", "System Log State", SystemLogState1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"SystemLogServerTable1", "System Log Server Table", SystemLogServerTable1Vars, MVT_UMV, 1, mpListView,
     {6, "createAndGo"}, {6, "destroy"}, nullptr},
    {"Time1", "Current Time", Time1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, kTime1Formats},
    {"CurrentTime1", "System Time", CurrentTime1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"NetworkTime1", "Network Time", NetworkTime1Vars, SVT_SV, 0, mpEditor,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {"IFXTable1", "IfX Table", IFXTable1Vars, MVT_UMV, 1, mpListView,
     {-1, nullptr}, {-1, nullptr}, nullptr},
    {nullptr},
};
