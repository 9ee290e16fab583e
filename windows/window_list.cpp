#include "windows/window_list.h"

#include "catalogue/window_registry.h"
#include "windows/about_form.h"
#include "windows/acc_server_ctrl_form.h"
#include "windows/acl_meter_form.h"
#include "windows/bootp_ctrl_table_form.h"
#include "windows/bridge_port_window.h"
#include "windows/config_snmp_form.h"
#include "windows/current_time_form.h"
#include "windows/equipment_basic_info_form.h"
#include "windows/if_counters_window.h"
#include "windows/ip_ctrl_form.h"
#include "windows/ip_routing_form.h"
#include "windows/md5_information_form.h"
#include "windows/ms_information_form.h"
#include "windows/ospf_default_info_originate_form.h"
#include "windows/route_redistribut_form.h"
#include "windows/scalar_counter_windows.h"
#include "windows/ssl_management_form.h"
#include "windows/stp_info_form.h"
#include "windows/summer_time_form.h"

const WindowRegistry &DedicatedWindows() {
    static const WindowRegistry windows = [] {
        WindowRegistry registry;
        // One Add per window, in alphabetical order of the class name.
        registry.Add("TACLMeterForm", &CreateACLMeterForm);
        registry.Add("TAboutForm", &CreateAbout);
        registry.Add("TBOOTCtrlTableForm", &CreateBOOTCtrlTableForm);
        registry.Add("TCurrentTimeForm", &CreateCurrentTime);
        registry.Add("TEquipmentBasicInfoForm", &CreateEquipmentBasicInfo);
        registry.Add("TICMP_Counters", &CreateCounterWindow<TICMP_Counters>);
        registry.Add("TIF_Counters", &CreateCounterWindow<TIF_Counters>);
        registry.Add("TIP_Counters", &CreateCounterWindow<TIP_Counters>);
        registry.Add("TIP_Routing", &CreateIpRouting);
        registry.Add("TIpCtrlForm", &CreateIpCtrlForm);
        registry.Add("TMSInformationForm", &CreateMSInformationForm);
        registry.Add("TMd5InformationForm", &CreateMd5InformationForm);
        registry.Add("TOSPFDefaultInfoOriginateForm", &CreateOSPFDefaultInfoOriginateForm);
        registry.Add("TRouteRedistributForm", &CreateRouteRedistributForm);
        registry.Add("TSNMP_Counters", &CreateCounterWindow<TSNMP_Counters>);
        registry.Add("TSSLManagementForm", &CreateSSLManagementForm);
        registry.Add("TSTP_Info", &CreateSTPInfo);
        registry.Add("TSummerTimeForm", &CreateSummerTime);
        registry.Add("TTpBridgePortInfo_Table", &CreateCounterWindow<TTpBridgePortInfo_Table>);
        registry.Add("TUDP_Counters", &CreateCounterWindow<TUDP_Counters>);
        registry.Add("TfrmACCServerCtrl", &CreatefrmACCServerCtrl);
        registry.Add("TfrmConfigSNMP", &CreateConfigSNMP, &ConfigSNMPClosed);
        return registry;
    }();
    return windows;
}
