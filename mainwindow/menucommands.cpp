// The command of every menu item of the main window and of the port pop-up menu, in menu
// order. Table commands take their descriptor table, caption, list type, key count, panel,
// row-status values and formats from the MIB catalog; the records here add what the menu
// does around the form: the caption rule, the size actions and the extra step.
#include "mainwindow/menucommands.h"

#include <cmath>
#include <cstring>

#include "mainwindow/mainunit.h"
#include "platform/ui/sysutils.h"

namespace {

constexpr TSizeAction H(int v) { return {'H', false, true, v}; }
constexpr TSizeAction HPlus(int v) { return {'H', true, true, v}; }
constexpr TSizeAction HUnscaled(int v) { return {'H', false, false, v}; }
constexpr TSizeAction WPlus(int v) { return {'W', true, true, v}; }

constexpr TMenuCommand Table(TCommandKind kind, const char* component, TCaptionRule rule, TSizeAction a,
                             TSizeAction b, TCommandExtra extra, int extraValue)
{
    TMenuCommand c{component, kind};
    c.captionRule = rule;
    c.sizes[0] = a;
    c.sizes[1] = b;
    c.extra = extra;
    c.extraValue = extraValue;
    return c;
}

constexpr TMenuCommand Editor(const char* component, TCaptionRule rule = crPlain, TSizeAction a = {},
                              TSizeAction b = {}, TCommandExtra extra = exNone, int extraValue = 0)
{
    return Table(ckEditor, component, rule, a, b, extra, extraValue);
}

constexpr TMenuCommand ListView(const char* component, TCaptionRule rule = crPlain, TSizeAction a = {},
                                TSizeAction b = {}, TCommandExtra extra = exNone, int extraValue = 0)
{
    return Table(ckListView, component, rule, a, b, extra, extraValue);
}

constexpr const char* kLocal = nullptr;

constexpr TMenuCommand Form(const char* component, const char* formClass, const char* global,
                            const char* caption = nullptr, TCaptionRule rule = crPlain)
{
    TMenuCommand c{component, ckForm, formClass};
    c.global = global;
    c.caption = caption;
    c.captionRule = rule;
    return c;
}

constexpr TMenuCommand Module(const char* component, const char* argument)
{
    return TMenuCommand{component, ckModule, argument};
}

constexpr TMenuCommand Special(const char* component, TMainFormHandler handler)
{
    TMenuCommand c{component, ckSpecial};
    c.handler = handler;
    return c;
}

constexpr TMenuCommand With(TMenuCommand c, TCommandExtra extra)
{
    c.extra = extra;
    return c;
}

const TMenuCommand kCommands[] = {
    // "Basic Configuration"
    Module("Information3", "/TMIB_Info"),
    Editor("DeviceInformation1"),
    Editor("AlarmControl1"),
    Special("RefreshPanel1", &TMainForm::RefreshPanel1Click),
    Form("Test1", "TEquipmentBasicInfoForm", "EquipmentBasicInfoForm"),
    Editor("Unitinformation1"),
    ListView("UnitTable1", crPlain, H(450)),
    ListView("PowerTable1", crPlain, H(450)),
    ListView("FanTable1", crPlain, H(450)),
    Editor("BasicInfo1"),
    ListView("MibCapabilities1", crPlain, H(450), WPlus(100)),
    Editor("BasicConfigure1"),
    ListView("AgentSuportedUpdateFiles1", crPlain, H(450)),
    Editor("CpuUtilization1"),
    ListView("Multipleimagemanagement1"),
    Editor("GeneralInformation2", crAddress),
    ListView("MultipleConfigInformation1", crPlain, H(450)),
    Form("MultipleConfigControl1", "TMultipleConfigControlForm", "MultipleConfigControlForm"),
    Editor("SeverityControlManagement1"),
    Editor("IPProtoConfigure1"),
    Editor("PingTest1", crPlain, HPlus(20)),
    Editor("SystemLogState1", crPlain, HPlus(20)),
    ListView("SystemLogServerTable1"),
    Editor("Time1", crPlain, {}, {}, exSynchronous),
    Editor("CurrentTime1"),
    Editor("NetworkTime1"),
    Form("SummerTime1", "TSummerTimeForm", kLocal),
    Module("GeneralTable1", "/TIFMib_LastChangeTable"),
    ListView("IFXTable1", crPlain, HUnscaled(450), {}, exSnmpV2c),
    Module("IfTable1", "/TMIB_IFTable"),
    Module("IFCounter1", "/TMIB_IFCounters"),
    Module("IPCounters1", "/TMIB_IPCounters"),
    Module("IPRouting1", "/TMIB_IPRouting"),
    Module("IPAddressTable1", "/TMIB_IPAddress"),
    Module("ICMPCounters1", "/TMIB_ICMPCounters"),
    Module("UDPCounters1", "/TMIB_UDPCounters"),
    Module("SNMPCounters1", "/TMIB_SNMPCounters"),
    Module("ARPTable1", "/TMIB_ARP"),
    Module("dot3Statistics1", "/TEthernetLike_dot3StatsTable"),
    Form("dot3ControlTable1", "Tdot3ControlForm", "dot3ControlForm"),
    Form("dot3PauseTable1", "Tdot3PauseForm", "dot3PauseForm"),
    Special("RefreshPanel2", &TMainForm::RefreshPanel1Click),
    // "RMON"
    Editor("RMONSetting1", crPlain, {}, {}, exRmonCloseHook),
    Module("Statistics1", "/TRmon_Statistics"),
    Module("History1", "/TRmon_History"),
    Module("AlarmEvent1", "/TRmon_AlarmEvent"),
    Form("ProbeBasicInformation1", "TProbeBasicInformationForm", "ProbeBasicInformationForm"),
    Editor("NetConfiguration1"),
    Editor("NetDefaultGateway1", crAddress),
    // "Bridge"
    Special("Bridge1", &TMainForm::Bridge1Click),
    Form("SpanningTreeAlgorithm1", "TSpanningTreeAlgorithmForm", "SpanningTreeAlgorithmForm", "Spanning Tree Algorithm", crPlain),
    Editor("Information1"),
    Module("PortTable1", "/TBridge_Port"),
    With(Form("Information2", "TSTP_Info", "STP_Info"), exStpVersionRefresh),
    Editor("ConfigurationIdentification1", crPlain, HPlus(20)),
    ListView("InstanceInformation1"),
    Form("PortStateInformation1", "TMSTPPortStateForm", "MSTPPortStateForm"),
    ListView("PortMSTPInformation1"),
    With(ListView("PortTable"), exStpVersionRefresh),
    Module("ForwardingTable1", "/TBridge_Forwarding"),
    Module("StaticTable1", "/TBridge_StaticFilter"),
    Module("PortCounters1", "/TBridge_TpPortInfo"),
    // "VLAN"
    Form("BasicConfigure2", "TPBridgeConfigForm", "PBridgeConfigForm"),
    ListView("DefaultUserPrioritiesofEachPort1", crPlain, H(450)),
    ListView("RegeneratedUserPriorities1", crPlain, H(450)),
    ListView("UserPrioritiesToTrafficClass1", crPlain, H(450)),
    ListView("PortOutboundAccessPriorities1", crPlain, H(450)),
    Form("GVRP1", "TGARPForm", "GARPForm"),
    Form("PortCapbility1", "TPortCapabilities8021dForm", "PortCapabilities8021dForm"),
    ListView("PortTable2"),
    ListView("PortOverFlow1"),
    Form("BasicConfigure", "TVLanGeneralInfoForm", "VLanGeneralInfoForm"),
    Form("PortsInfo1", "TVLanPortInfomationForm", "VLanPortInfomationForm"),
    ListView("UnicastForwardingInformation1", crPlain, H(450)),
    Form("TpGroupDestinationForwarded1", "TTpGroupDestinationForwardedForm", "TpGroupDestinationForwardedForm"),
    Form("MulticastForwardingInformation1", "TMulticastForwardingInformationForm", "MulticastForwardingInformationForm"),
    Form("ForwardUnregisteredInformation1", "TForwardUnregisteredInformationForm", "ForwardUnregisteredInformationForm"),
    ListView("Databaseinformation1"),
    ListView("FilteringInformation1"),
    Form("StaticForm1", "TVlanStaticForm", "VlanStaticForm"),
    Form("CurrentForm1", "TVLanCurrentTableForm", "VLanCurrentTableForm"),
    Form("UnicastInformation1", "TUnicastFilterInformationForm", "UnicastFilterInformationForm"),
    Form("MulticastInformation1", "TMulticastFilterInformationForm", "MulticastFilterInformationForm"),
    // "SNMP V3"
    Editor("snmpEngine1"),
    Editor("MessageProcessingandDispatching1"),
    Editor("GeneralInformation1"),
    ListView("CommunityTargetAddressTable"),
    ListView("TargetParameters1"),
    Editor("Statistics2"),
    ListView("UserTable1"),
    ListView("SecurityTable1"),
    ListView("AccessTable1"),
    ListView("ViewTable1"),
    ListView("NotifyTable1"),
    ListView("NotifyFilterProfileTale1", crPlain, H(450)),
    ListView("NotifyFilterEntryTable1"),
    ListView("CommunityStringTable1"),
    ListView("TargetAddressTable1"),
    // "Security Management"
    Editor("Auth1", crPlain, HPlus(10), {}, exEditorWidth, 142),
    Editor("Configuration2", crPlain, {}, {}, exDot1xMenuState),
    ListView("PAEPortTable1"),
    ListView("PortAuthenticationConfiguration1"),
    ListView("PortAuthStatistics1"),
    ListView("Diagnostics1"),
    ListView("PortSessionStatistics1", crPlain, {}, {}, exSnmpV2c),
    ListView("StateTable1"),
    Form("DiagnosticsInformation1", "TDiagnosticsInformationForm", "DiagnosticsInformationForm"),
    Form("StatisticTable1", "TMacStatisticTableForm", "MacStatisticTableForm"),
    ListView("SessionInformation1", crPlain, {}, {}, exSnmpV2c),
    ListView("RadiusServerTabl1", crPlain, H(450)),
    Editor("AuthenticationServer1"),
    ListView("AuthenticationServerTable1"),
    Editor("AccountingServerInformation1"),
    ListView("AccountingServerTable1"),
    Editor("TACACSControl1"),
    Editor("TACACSInformation1"),
    Form("LoginMethodControl1", "TLoginMethodListForm", "LoginMethodListForm"),
    Editor("LoginInformation1"),
    Form("EnableMethodControl1", "TEnableMethodForm", "EnableMethodForm"),
    ListView("ServerGroup1", crAddress, {}, {}, exNoEdit),
    Form("ServerInformation1", "TServerInformationForm", "ServerInformationForm"),
    Form("ServerControl1", "TAAASrvCtrlForm", "AAASrvCtrlForm", "Server Control", crAddress),
    Editor("SSHManagement1"),
    Editor("DiffieHellmanAlgorithm1"),
    Editor("EncryptionAlgorithm1"),
    Editor("AuthenticationMethod1"),
    Editor("HMACAlgorithm1", crPlain, HPlus(15)),
    Editor("PublicKeyAlgorithm1"),
    Form("SSLManagement1", "TSSLManagementForm", "SSLManagementForm"),
    Editor("SSLCertificateLevel1", crPlain, HPlus(20)),
    Editor("GlobalManagement1"),
    Form("ProtectControl1", "TSafeguardCtrlForm", "SafeguardCtrlForm"),
    Editor("ArpStormControl1"),
    ListView("PortInformation3", crPlain, H(450)),
    Form("BindingTable1", "TIPMACBindingForm", "IPMACBindingForm"),
    Form("BindingBlockedTable1", "TIpMacBindBlockedForm", "IpMacBindBlockedForm"),
    // "Layer 2 Management"
    Form("DeviceControl1", "TLayer2ControlForm", "Layer2ControlForm", "Layer2 Control", crAddress),
    ListView("MulticastFilter1", crPlain, H(450)),
    Editor("JumboFrameCtrl1", crAddress),
    ListView("PortInformation1", crPlain, H(450), {}, exRowEditorWidth, 50),
    ListView("PortControl1", crPlain, H(450), {}, exRowEditorWidth, 82),
    Editor("TrunkBasicInformation1"),
    Form("PortTrunk2", "TPortTrunkForm", kLocal),
    ListView("LACPPortTable1"),
    Form("PortMirrorTable1", "TPortMirrorForm", kLocal),
    ListView("PortSecurityTable1", crPlain, H(450)),
    Form("PortSercurityDelete1", "TPrtSecDelCtrlForm", "PrtSecDelCtrlForm", "Port Security Delete", crAddress),
    Editor("QOSControl1", crPlain, HPlus(20)),
    ListView("BandwidthControlTable1"),
    ListView("SchedulingTable1"),
    ListView("N8021pUserPriorityTable1"),
    ListView("N8021pDefaultPriorityTable1"),
    Editor("IGMPGeneral1"),
    ListView("IGMPControlTable1", crPlain, H(450)),
    Form("IGMPRouterPorts1", "TIGMPRouterPortsForm", "IGMPRouterPortsForm"),
    ListView("IGMPQuery1", crPlain, H(450)),
    ListView("IGMPInformation1", crPlain, H(450)),
    Form("PacketStormControl1", "TPacketStormControlForm", "PacketStormControlForm"),
    ListView("PacketStormControlTable1", crPlain, H(450)),
    Form("TrafficSegmentationTable1", "TTrafficSegmentationForm", kLocal),
    Form("EthernetMask1", "TEthernetMaskInformationForm", kLocal),
    Form("RuleOfEthernetInformation1", "TEthernetInformationRuleForm", "EthernetInformationRuleForm"),
    Form("IPMaskInformation1", "TIPMaskInformationForm", kLocal),
    Form("IPRule1", "TIPRuleForm", "IPRuleForm"),
    Form("PayloadMaskInformation1", "TUserMaskInfoForm", "UserMaskInfoForm"),
    Form("PayloadRule1", "TUserDefinedInformationRuleForm", kLocal),
    Form("IPv6MaskInformation1", "TIPv6MaskInfoForm", "IPv6MaskInfoForm"),
    Form("IPv6Rule1", "TIpv6RuleForm", "Ipv6RuleForm"),
    Editor("CPUFilterControl1", crAddress),
    ListView("EthernetMaskCPUFilter1", crAddress, H(450)),
    ListView("EthernetRuleCPUFilter1", crAddress, H(450)),
    ListView("IPMaskCPUFilter1", crAddress, H(450)),
    ListView("IPRuleCPUFilter1", crAddress, H(450)),
    ListView("PacketContentMaskCPUFilter1", crAddress, H(450)),
    ListView("PacketContentRuleCPUFilter1", crAddress, H(450)),
    ListView("AggregatorTable1"),
    ListView("AggregatorPortList1", crPlain, H(450)),
    Form("AggreatorPortTable1", "TAggregatorPortTableForm", "AggregatorPortTableForm"),
    Editor("Management1"),
    ListView("Control1", crPlain, H(450)),
    Form("GroupInformation2", "TMLD_SnoopingGroupForm", "MLD_SnoopingGroupForm"),
    Form("RouterPorts1", "TMLD_SnoopingRouterPortsForm", "MLD_SnoopingRouterPortsForm"),
    // "Layer 3 Management"
    Editor("DeviceCtrl1"),
    ListView("MD5Table1", crPlain, WPlus(30), H(300)),
    ListView("IPControlTable1"),
    ListView("IPForwardingTable1"),
    ListView("IPStaticRoutingtable1"),
    Editor("BOOTPBasicConfiguration1"),
    Form("BOOTPCtrlTable1", "TBOOTCtrlTableForm", "BOOTCtrlTableForm", "BOOT Ctrl Table", crPlain),
    Editor("DNSBasicConfiguration1"),
    ListView("DNSCtrlTable1"),
    Form("RouteRedistributionTable1", "TRouteRedistributForm", "RouteRedistributForm"),
    Module("CIDRRFC20961", "/TLayer3_RIP"),
    Module("RIP2RFC17241", "/TLayer3_RIP2"),
    Module("OSPFGeneral1", "/TLayer3_OSPF"),
    Module("AreaInfo1", "/TLayer3_Area"),
    Module("LsdbInfo1", "/TLayer3_Lsdb"),
    Module("NeighborInfo1", "/TLayer3_Neighbor"),
    ListView("InterfaceTable1"),
    ListView("InterfaceInfo1"),
    ListView("HostTable1"),
    Editor("VRRPControl1"),
    ListView("VRRPOperation1"),
    ListView("VirtualRouteAddress1"),
    Editor("VRRPErrorStatistics1"),
    ListView("VirtualRouteStatistics1"),
    Module("IpMroute1", "/TLayer3_IPM"),
    Module("DVMRP1", "/TLayer3_DVMRP"),
    Module("PIMInfo1", "/TLayer3_PIM"),
    Module("RendezvousPointsInfo1", "/TLayer3_RendezvousPoints"),
    ListView("InterfaceTable2"),
    ListView("CacheTable1"),
    Editor("ARPAgingTime1"),
    Form("IPStaticRoute1", "TIpStaticRouteForm", "IpStaticRouteForm"),
    Form("IPv6StaticRoute1", "TIpv6StaticRouteForm", "Ipv6StaticRouteForm"),
    Form("ARPControlIPv61", "TARPIPV6ControlForm", "ARPIPV6ControlForm"),
    // "Single IP"
    Editor("SingleIPControl1"),
    Editor("MyInformation1"),
    ListView("MemberSwitch1", crAddress, {}, {}, exNoEdit),
    ListView("CandidateSwitch1"),
    ListView("GroupInformation1"),
    ListView("NeighborSwitch1"),
    Editor("MSTrapMessage1", crAddress),
    // "Help"
    Special("Help2", &TMainForm::Help2Click),
    Form("About1", "TAboutForm", "AboutForm"),
    // the port buttons' pop-up menu
    Special("PortInformation2", &TMainForm::PortInformation2Click),
    Special("PortConfiguration1", &TMainForm::PortConfiguration1Click),
};

}  // namespace

int MenuCommandCount() { return static_cast<int>(sizeof kCommands / sizeof kCommands[0]); }

const TMenuCommand& MenuCommandAt(int index)
{
    if (index < 0 || index >= MenuCommandCount())
        ListIndexError(index);
    return kCommands[index];
}

const TMenuCommand* FindMenuCommand(const AnsiString& component)
{
    for (const TMenuCommand& c : kCommands)
        if (component == c.component) return &c;
    return nullptr;
}

const char* TableComponent(const TMenuCommand& cmd) { return cmd.target ? cmd.target : cmd.component; }

int ScaledSize(int value, float scaleFactor) { return static_cast<int>(std::trunc(value * scaleFactor)); }

AnsiString RuleCaption(const AnsiString& caption, TCaptionRule rule, const AnsiString& address)
{
    return rule == crAddress ? caption + ": " + address : caption;
}

TCommandLayout ComputeCommandLayout(const TMenuCommand& cmd, const AnsiString& formCaption,
                                    const AnsiString& agentAddress, float scaleFactor, int width, int height)
{
    TCommandLayout layout{RuleCaption(formCaption, cmd.captionRule, agentAddress), width, height};
    for (const TSizeAction& a : cmd.sizes) {
        if (a.dimension != 'H' && a.dimension != 'W') continue;
        int& size = a.dimension == 'H' ? layout.height : layout.width;
        int v = a.scaled ? ScaledSize(a.value, scaleFactor) : a.value;
        size = a.additive ? size + v : v;
    }
    return layout;
}
