// The notification vocabulary: value names (compared exactly, case included) and
// the form types that choose a frame in each list.
#pragma once

#include <cstdint>

namespace kxua {

namespace key {
inline constexpr wchar_t EventID[] = L"EventID";
inline constexpr wchar_t ResponseNeeded[] = L"ResponseNeeded";
inline constexpr wchar_t Path[] = L"Path";
inline constexpr wchar_t SAMPLE_NOTIFICATION_RISKLEVEL[] = L"SAMPLE_NOTIFICATION_RISKLEVEL";
inline constexpr wchar_t Result[] = L"Result";
inline constexpr wchar_t GroupID[] = L"GroupID";
inline constexpr wchar_t AskType[] = L"AskType";
inline constexpr wchar_t FormType[] = L"FormType";
inline constexpr wchar_t HelpTopicId[] = L"HelpTopicId";
inline constexpr wchar_t DetailsEnabled[] = L"DetailsEnabled";
inline constexpr wchar_t TargetPath[] = L"TargetPath";
inline constexpr wchar_t IsProactiveAlert[] = L"IsProactiveAlert";
inline constexpr wchar_t FilterByField[] = L"FilterByField";
inline constexpr wchar_t FilterField[] = L"FilterField";
inline constexpr wchar_t AlertExpirationDate[] = L"AlertExpirationDate";
inline constexpr wchar_t TitleText[] = L"TitleText";
inline constexpr wchar_t TitleTextPlural[] = L"TitleTextPlural";
inline constexpr wchar_t MainText[] = L"MainText";
inline constexpr wchar_t SecondaryText[] = L"SecondaryText";
inline constexpr wchar_t ButtonText[] = L"ButtonText";
inline constexpr wchar_t DetailsText[] = L"DetailsText";
inline constexpr wchar_t DetailsText2[] = L"DetailsText2";
inline constexpr wchar_t ElementTypeText[] = L"ElementTypeText";
inline constexpr wchar_t ElementTypeAlternativeText[] = L"ElementTypeAlternativeText";
inline constexpr wchar_t Response[] = L"Response";
inline constexpr wchar_t MWType[] = L"MWType";
inline constexpr wchar_t MalwareName[] = L"MalwareName";
inline constexpr wchar_t AppName[] = L"AppName";
inline constexpr wchar_t IPDst[] = L"IPDst";
inline constexpr wchar_t IPSrc[] = L"IPSrc";
inline constexpr wchar_t PortDst[] = L"PortDst";
inline constexpr wchar_t PortSrc[] = L"PortSrc";
inline constexpr wchar_t SignedBy[] = L"SignedBy";
inline constexpr wchar_t PortText[] = L"PortText";
inline constexpr wchar_t Direction[] = L"Direction";
inline constexpr wchar_t Risk[] = L"Risk";
inline constexpr wchar_t ProductUpdateResult[] = L"ProductUpdateResult";
inline constexpr wchar_t path[] = L"path";  // distinct from Path; nothing reads it
inline constexpr wchar_t AttackType[] = L"AttackType";
inline constexpr wchar_t RestorationPath[] = L"RestorationPath";
inline constexpr wchar_t ElementsCounter[] = L"ElementsCounter";
inline constexpr wchar_t InterceptionRuleShowID[] = L"InterceptionRuleShowID";
inline constexpr wchar_t FullURL[] = L"FullURL";
inline constexpr wchar_t action[] = L"action";
inline constexpr wchar_t ButtonAction[] = L"ButtonAction";
inline constexpr wchar_t NOTIFY_OID_TECH[] = L"NOTIFY_OID_TECH";
inline constexpr wchar_t NOTIFY_URL_CATEGORY_LIST[] = L"NOTIFY_URL_CATEGORY_LIST";
inline constexpr wchar_t BytesSize[] = L"BytesSize";
inline constexpr wchar_t TaskName[] = L"TaskName";
inline constexpr wchar_t TotalSize[] = L"TotalSize";
inline constexpr wchar_t Text1[] = L"Text1";
inline constexpr wchar_t Text2[] = L"Text2";
inline constexpr wchar_t Text3[] = L"Text3";
inline constexpr wchar_t Text4[] = L"Text4";
inline constexpr wchar_t Text5[] = L"Text5";
inline constexpr wchar_t Text6[] = L"Text6";
inline constexpr wchar_t Option1[] = L"Option1";
inline constexpr wchar_t Option2[] = L"Option2";
inline constexpr wchar_t MainIconID[] = L"MainIconID";
inline constexpr wchar_t Origin[] = L"Origin";
inline constexpr wchar_t ExecutedBy[] = L"ExecutedBy";
inline constexpr wchar_t Publisher[] = L"Publisher";
inline constexpr wchar_t FullScreenVisible[] = L"FullScreenVisible";
inline constexpr wchar_t DefaultResponse[] = L"DefaultResponse";
inline constexpr wchar_t CampaignID[] = L"CampaignID";
inline constexpr wchar_t ResourceDescr[] = L"ResourceDescr";
}  // namespace key

// FormType values of ListAlerts. A value without an entry is dropped unshown.
namespace alerts_form {
inline constexpr std::int32_t TfrFirewallAsk = 2;
inline constexpr std::int32_t TfrNeedReboot = 3;
inline constexpr std::int32_t TfrSynchronization = 4;
inline constexpr std::int32_t TfrAdministration = 5;
inline constexpr std::int32_t TfrFollowSteps = 6;
inline constexpr std::int32_t TfrRestoredItems = 7;
inline constexpr std::int32_t TfrGenericError = 10;
inline constexpr std::int32_t TfrDangerousOperation = 11;
inline constexpr std::int32_t TfrSynchronizationRestart = 12;
inline constexpr std::int32_t TfrGenericInformative = 13;
inline constexpr std::int32_t PreparedAction = 14;  // no frame: the notification's action runs
inline constexpr std::int32_t PreparedAction2 = 15;
inline constexpr std::int32_t TfrmAskToUser = 16;
inline constexpr std::int32_t TfrmAskFolderAccess = 17;
inline constexpr std::int32_t TfrProgrammedForm = 19;
inline constexpr std::int32_t TTfAppControlAsk = 20;
inline constexpr std::int32_t TTUntrustedFile = 22;
inline constexpr std::int32_t TfrmExploit = 23;
inline constexpr std::int32_t TfrnBlackList = 24;
inline constexpr std::int32_t TfNeedReboot2 = 25;
}  // namespace alerts_form

// FormType values of ListNotifications. ListCampaigns reads no form type.
namespace notifications_form {
inline constexpr std::int32_t TfrGenericMalware = 0;
inline constexpr std::int32_t TfrNeutralizedMalware = 1;
inline constexpr std::int32_t TfrSynchronization = 4;
inline constexpr std::int32_t TfrRestoredItems = 7;
inline constexpr std::int32_t TfrIDS = 9;
inline constexpr std::int32_t TfrGenericError = 10;
inline constexpr std::int32_t TfrDangerousOperation = 11;
inline constexpr std::int32_t TfrmPageBlocked = 18;
inline constexpr std::int32_t TfrmAppControlDenied = 21;
inline constexpr std::int32_t TfrmMalwareToast = 26;
}  // namespace notifications_form

}  // namespace kxua
