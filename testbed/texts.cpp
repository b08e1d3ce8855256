#include "testbed/texts.h"

namespace kxua::testbed {

// Which alert shows which ids (the ids go in the notification's values; the
// frames translate them):
//   generic informative notice  IDS_ALERT_INFORMATIVE_TITLE, _TEXT, _BUTTON
//   generic error               IDS_ALERT_ERROR_TITLE, _TEXT (label markup)
//   administrator protections   IDS_ALERT_ADMINISTRATION_TITLE, _TEXT, IDS_ALERT_RESTART_NOW
//   update finished             IDS_ALERT_UPDATE_FINISHED_TITLE, _TEXT, _DETAIL_SIGNATURES
//                               (DetailsText), _DETAIL_PROTECTION (DetailsText2); the
//                               details toggle's "Detalles" and "Ocultar"
//   update pending restart      IDS_ALERT_UPDATE_PENDING_TITLE, _TEXT, IDS_ALERT_RESTART_NOW
//   scheduled cleanup finished  IDS_ALERT_CLEANUP_FINISHED_TITLE, _TEXT (a template for
//                               the task name and the size), _BUTTON; the size units
//                               "B" to "PB"
//   restart needed              IDS_ALERT_NEED_REBOOT_TITLE, _TEXT, _SECONDARY,
//                               IDS_ALERT_RESTART_NOW, MALWARE_TYPE_0 to _3 (MWType)
//   follow steps                IDS_ALERT_FOLLOW_STEPS_TITLE, _TEXT, _BUTTON, and the
//                               restart alert's _SECONDARY
//   newer restart alert         IDS_ALERT_NEED_REBOOT_TITLE, IDS_ALERT_NEED_REBOOT2_TEXT
//                               (Text1), IDS_ALERT_PROGRAM_NAME, _FOLDER, _PUBLISHER,
//                               _STARTED_BY (Text2 to Text5), IDS_ALERT_RESTART_NOW (Option1)
//   dangerous operations        IDS_ALERT_DANGEROUS_TITLE, _TITLE_PLURAL, _RULE (a
//                               template for the rule's number), IDS_ALERT_COUNTER
//   restored items              IDS_ALERT_RESTORED_TITLE, _TITLE_PLURAL, _TEXT (a
//                               template for the program's name), _BUTTON, IDS_ALERT_COUNTER
//   firewall question           IDS_ALERT_FIREWALL_TITLE (a template for the program),
//                               _LOCAL_PORT (PortText), IDS_ALERT_RISK (Risk); the captions
//                               "Permitir", "Denegar", "Ubicación:", "IP remota:"
//   malware question            IDS_ALERT_ASK_TO_USER_TITLE (a template for the malware
//                               type's name), MALWARE_TYPE_0 to _3; "Neutralizar", "Excluir"
//   folder access question      IDS_ALERT_FOLDER_ACCESS_TITLE, _TEXT (a template for the
//                               program, Text1), _TARGET (for the folder, Text2),
//                               IDS_ALERT_ALLOW, IDS_ALERT_BLOCK (Option1, Option2)
//   untrusted file question     IDS_ALERT_UNTRUSTED_TITLE, _TEXT (Text1), IDS_ALERT_PROGRAM_NAME,
//                               _FOLDER, _PUBLISHER, _STARTED_BY (Text2 to Text5),
//                               IDS_ALERT_YES, IDS_ALERT_NO (Option1, Option2)
//   unknown program question    IDS_ALERT_APP_CONTROL_TITLE, _TEXT (a template for the
//                               program, Text1), _MORE (Text2), IDS_ALERT_ALLOW, IDS_ALERT_BLOCK
//   programs blocked            IDS_ALERT_APP_BLOCKED_TITLE, _TITLE_PLURAL, _TEXT (a template
//                               for the program), IDS_ALERT_APP_CONTROL_MORE (Text2),
//                               IDS_ALERT_COUNTER
// The system toast that points to a single alert asks for its two lines by their
// Spanish texts. Some ids are the design-time Spanish captions themselves, as in the
// product.
const std::vector<ProductText>& ProductTexts() {
  static const std::vector<ProductText> texts = {
      // Details toggle.
      {L"Detalles", L"Details", L"Detalles"},
      {L"Ocultar", L"Hide", L"Ocultar"},
      // Size units.
      {L"B", L"B", L"B"},
      {L"KB", L"KB", L"KB"},
      {L"MB", L"MB", L"MB"},
      {L"GB", L"GB", L"GB"},
      {L"TB", L"TB", L"TB"},
      {L"PB", L"PB", L"PB"},
      // The system toast's two lines.
      {L"Tienes nuevas notificaciones", L"You have new notifications",
       L"Tienes nuevas notificaciones"},
      {L"Pulsa aqu\u00ED para revisarlas", L"Click here to review them",
       L"Pulsa aqu\u00ED para revisarlas"},
      // Shared button.
      {L"IDS_ALERT_RESTART_NOW", L"Restart now", L"Reiniciar ahora"},
      // Generic informative notice.
      {L"IDS_ALERT_INFORMATIVE_TITLE", L"Your protection has new features",
       L"Tu protección tiene nuevas funciones"},
      {L"IDS_ALERT_INFORMATIVE_TEXT",
       L"Find out what the latest version brings and how to make the most of it.",
       L"Descubre qué trae la última versión y cómo sacarle el máximo partido."},
      {L"IDS_ALERT_INFORMATIVE_BUTTON", L"Find out more", L"Más información"},
      // Generic error.
      {L"IDS_ALERT_ERROR_TITLE", L"The protection could not be updated",
       L"No se ha podido actualizar la protección"},
      {L"IDS_ALERT_ERROR_TEXT", L"Check your <b>Internet connection</b> and try again later.",
       L"Comprueba tu <b>conexión a Internet</b> e inténtalo de nuevo más tarde."},
      // Protections installed by the administrator.
      {L"IDS_ALERT_ADMINISTRATION_TITLE", L"Your administrator has installed new protections",
       L"El administrador ha instalado nuevas protecciones"},
      {L"IDS_ALERT_ADMINISTRATION_TEXT", L"Restart your PC to complete the installation.",
       L"Es necesario reiniciar tu PC para completar la instalación."},
      // Update finished.
      {L"IDS_ALERT_UPDATE_FINISHED_TITLE", L"Update finished", L"Actualización completada"},
      {L"IDS_ALERT_UPDATE_FINISHED_TEXT", L"You have the latest configuration.",
       L"Ya tienes la última configuración."},
      {L"IDS_ALERT_UPDATE_FINISHED_DETAIL_SIGNATURES", L"Virus and other threat identifier file",
       L"Archivo de identificadores de virus y otras amenazas"},
      {L"IDS_ALERT_UPDATE_FINISHED_DETAIL_PROTECTION", L"Protection settings",
       L"Configuración de la protección"},
      // Update waiting for a restart.
      {L"IDS_ALERT_UPDATE_PENDING_TITLE", L"Update pending", L"Actualización pendiente"},
      {L"IDS_ALERT_UPDATE_PENDING_TEXT",
       L"Restart your PC to apply the changes and stay better protected.",
       L"Reinicia tu PC para aplicar los cambios y estar más protegido."},
      // Scheduled cleanup finished: the task name, then the size with its unit.
      {L"IDS_ALERT_CLEANUP_FINISHED_TITLE", L"Scheduled cleanup finished",
       L"Limpieza programada finalizada"},
      {L"IDS_ALERT_CLEANUP_FINISHED_TEXT", L"Task <b>%s</b> freed %s.",
       L"La tarea <b>%s</b> ha liberado %s."},
      {L"IDS_ALERT_CLEANUP_FINISHED_BUTTON", L"Details", L"Ver detalles"},
      // Items the product could not finish with on its own.
      {L"IDS_ALERT_NEED_REBOOT_TITLE", L"Restart needed", L"Reinicio necesario"},
      {L"IDS_ALERT_NEED_REBOOT_TEXT", L"<font size=\"14\">Restart your PC</font><br/>to neutralize the item.",
       L"<font size=\"14\">Reinicia tu PC</font><br/>para neutralizar el elemento."},
      {L"IDS_ALERT_NEED_REBOOT_SECONDARY", L"The item stays blocked<br/>until it is neutralized.",
       L"El elemento sigue bloqueado<br/>hasta que se neutralice."},
      {L"IDS_ALERT_FOLLOW_STEPS_TITLE", L"Steps needed", L"Pasos necesarios"},
      {L"IDS_ALERT_FOLLOW_STEPS_TEXT", L"<font size=\"14\">Follow the steps</font><br/>to neutralize the item.",
       L"<font size=\"14\">Sigue los pasos</font><br/>para neutralizar el elemento."},
      {L"IDS_ALERT_FOLLOW_STEPS_BUTTON", L"See the steps", L"Consultar paso a paso"},
      {L"MALWARE_TYPE_0", L"Malware", L"Malware"},
      {L"MALWARE_TYPE_1", L"Virus", L"Virus"},
      {L"MALWARE_TYPE_2", L"Trojan", L"Troyano"},
      {L"MALWARE_TYPE_3", L"Spyware", L"Spyware"},
      {L"IDS_ALERT_NEED_REBOOT2_TEXT", L"Restart your PC to finish neutralizing this program.",
       L"Reinicia tu PC para terminar de neutralizar este programa."},
      {L"IDS_ALERT_PROGRAM_NAME", L"Program name:", L"Nombre del programa:"},
      {L"IDS_ALERT_PROGRAM_FOLDER", L"Program folder:", L"Ruta del programa:"},
      {L"IDS_ALERT_PROGRAM_PUBLISHER", L"Publisher:", L"Editor:"},
      {L"IDS_ALERT_PROGRAM_STARTED_BY", L"Started by:", L"Ejecutado por:"},
      // Paged alerts.
      {L"IDS_ALERT_COUNTER", L"%1% of %2%", L"%1% de %2%"},
      {L"IDS_ALERT_DANGEROUS_TITLE", L"dangerous operation", L"operación peligrosa"},
      {L"IDS_ALERT_DANGEROUS_TITLE_PLURAL", L"dangerous operations", L"operaciones peligrosas"},
      {L"IDS_ALERT_DANGEROUS_RULE", L"Rule %d", L"Regla %d"},
      {L"IDS_ALERT_RESTORED_TITLE", L"item restored", L"elemento restaurado"},
      {L"IDS_ALERT_RESTORED_TITLE_PLURAL", L"items restored", L"elementos restaurados"},
      {L"IDS_ALERT_RESTORED_TEXT", L"<B><FONT size=\"14\">%1%</FONT></B> was judged harmless.",
       L"<B><FONT size=\"14\">%1%</FONT></B> se ha considerado inofensivo."},
      {L"IDS_ALERT_RESTORED_BUTTON", L"Open folder", L"Abrir carpeta"},
      // Questions. Their design-time captions are ids too.
      {L"Permitir", L"Allow", L"Permitir"},
      {L"Denegar", L"Block", L"Denegar"},
      {L"Neutralizar", L"Neutralize", L"Neutralizar"},
      {L"Excluir", L"Exclude", L"Excluir"},
      {L"Ubicaci\u00F3n:", L"Location:", L"Ubicaci\u00F3n:"},
      {L"IP remota:", L"Remote IP:", L"IP remota:"},
      {L"IDS_ALERT_ALLOW", L"Allow", L"Permitir"},
      {L"IDS_ALERT_BLOCK", L"Block", L"Bloquear"},
      {L"IDS_ALERT_YES", L"Yes", L"S\u00ED"},
      {L"IDS_ALERT_NO", L"No", L"No"},
      {L"IDS_ALERT_RISK", L"Risk:", L"Riesgo:"},
      {L"IDS_ALERT_FIREWALL_TITLE",
       L"<P align=\"center\"><b>%1%</b> wants to connect to the Internet</P>",
       L"<P align=\"center\"><b>%1%</b> quiere conectarse a Internet</P>"},
      {L"IDS_ALERT_FIREWALL_LOCAL_PORT", L"Local port:", L"Puerto local:"},
      {L"IDS_ALERT_ASK_TO_USER_TITLE", L"<P align=\"center\"><b>%s</b> found on your PC</P>",
       L"<P align=\"center\"><b>%s</b> detectado en tu PC</P>"},
      {L"IDS_ALERT_FOLDER_ACCESS_TITLE", L"<P align=\"center\">A program wants to access your data</P>",
       L"<P align=\"center\">Un programa quiere acceder a tus datos</P>"},
      {L"IDS_ALERT_FOLDER_ACCESS_TEXT", L"<a href=\"#\">%1%</a> wants to change files in:",
       L"<a href=\"#\">%1%</a> quiere modificar archivos de:"},
      {L"IDS_ALERT_FOLDER_ACCESS_TARGET", L"<a href=\"#\">%1%</a>", L"<a href=\"#\">%1%</a>"},
      {L"IDS_ALERT_UNTRUSTED_TITLE", L"Untrusted file blocked", L"Archivo no confiable bloqueado"},
      {L"IDS_ALERT_UNTRUSTED_TEXT", L"Do you need this file for your daily work? Your answer helps us analyze it first.",
       L"\u00BFNecesitas este archivo para tu trabajo diario? Tu respuesta nos ayuda a analizarlo antes."},
      {L"IDS_ALERT_APP_CONTROL_TITLE", L"Unknown program", L"Aplicaci\u00F3n desconocida"},
      {L"IDS_ALERT_APP_CONTROL_TEXT",
       L"<a href=\"#\"><b>%1%</b></a> is not a known program and is trying to run.",
       L"<a href=\"#\"><b>%1%</b></a> es una aplicaci\u00F3n desconocida e intenta ejecutarse."},
      {L"IDS_ALERT_APP_CONTROL_MORE", L"<a href=\"#\">More about this alert</a>",
       L"<a href=\"#\">M\u00E1s informaci\u00F3n sobre este aviso</a>"},
      {L"IDS_ALERT_APP_BLOCKED_TITLE", L"program blocked", L"aplicaci\u00F3n bloqueada"},
      {L"IDS_ALERT_APP_BLOCKED_TITLE_PLURAL", L"programs blocked", L"aplicaciones bloqueadas"},
      {L"IDS_ALERT_APP_BLOCKED_TEXT", L"<a href=\"#\">%s</a> tried to run and was blocked.",
       L"Se ha intentado ejecutar <a href=\"#\">%s</a> y ha sido bloqueado."},
  };
  return texts;
}

void AddProductTexts(Dictionary& dictionary, const std::wstring& language) {
  const bool spanish = language == L"spa";
  for (const ProductText& text : ProductTexts())
    dictionary.Add(text.id, spanish ? text.spanish : text.english);
}

}  // namespace kxua::testbed
