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
#include "windows/logic/port_overview.h"
#include "windows/md5_information_form.h"
#include "windows/ms_information_form.h"
#include "windows/ospf_default_info_originate_form.h"
#include "windows/port_overview_form.h"
#include "windows/route_redistribut_form.h"
#include "windows/scalar_counter_windows.h"
#include "windows/ssl_management_form.h"
#include "windows/stp_info_form.h"
#include "windows/summer_time_form.h"
#include "windows/usm_user_form.h"

const WindowRegistry &DedicatedWindows() {
    static const WindowRegistry windows = [] {
        WindowRegistry registry;
        // One Add per window, in alphabetical order of the class name.
        registry.Add("TACLMeterForm", &CreateWindow<TACLMeterForm>);
        registry.Add("TAboutForm", &CreateWindow<TAboutForm>);
        registry.Add("TBOOTCtrlTableForm", &CreateWindow<TBOOTCtrlTableForm>);
        registry.Add("TCurrentTimeForm", &CreateWindow<TCurrentTimeForm>);
        registry.Add("TEquipmentBasicInfoForm", &CreateWindow<TEquipmentBasicInfoForm>);
        registry.Add("TICMP_Counters", &CreateWindow<TICMP_Counters>);
        registry.Add("TIF_Counters", &CreateWindow<TIF_Counters>);
        registry.Add("TIP_Counters", &CreateWindow<TIP_Counters>);
        registry.Add("TIP_Routing", &CreateWindow<TIP_Routing>);
        registry.Add("TIpCtrlForm", &CreateWindow<TIpCtrlForm>);
        registry.Add("TMSInformationForm", &CreateWindow<TMSInformationForm>);
        registry.Add("TMd5InformationForm", &CreateWindow<TMd5InformationForm>);
        registry.Add("TOSPFDefaultInfoOriginateForm", &CreateWindow<TOSPFDefaultInfoOriginateForm>);
        registry.Add("TPortOverview", &CreateWindow<TPortOverview>);
        registry.Add("TRouteRedistributForm", &CreateWindow<TRouteRedistributForm>);
        registry.Add("TSNMP_Counters", &CreateWindow<TSNMP_Counters>);
        registry.Add("TSSLManagementForm", &CreateWindow<TSSLManagementForm>);
        registry.Add("TSTP_Info", &CreateSTPInfo);
        registry.Add("TSummerTimeForm", &CreateWindow<TSummerTimeForm>);
        registry.Add("TTpBridgePortInfo_Table", &CreateWindow<TTpBridgePortInfo_Table>);
        registry.Add("TUDP_Counters", &CreateWindow<TUDP_Counters>);
        registry.Add("TUSMAddUserForm", &CreateWindow<TUSMAddUserForm>);
        registry.Add("TUSMPassPhraseForm", &CreateWindow<TUSMPassPhraseForm>);
        registry.Add("TfrmACCServerCtrl", &CreateWindow<TfrmACCServerCtrl>);
        registry.Add("TfrmConfigSNMP", &CreateWindow<TfrmConfigSNMP>, &ConfigSNMPClosed);
        // Windows whose content --show prints.
        registry.AddReader("TPortOverview", &ReadPortOverview);
        return registry;
    }();
    return windows;
}
