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
      {L"IDS_ALERT_PROGRAM_NAME", L"Program name", L"Nombre del programa"},
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
  };
  return texts;
}

void AddProductTexts(Dictionary& dictionary, const std::wstring& language) {
  const bool spanish = language == L"spa";
  for (const ProductText& text : ProductTexts())
    dictionary.Add(text.id, spanish ? text.spanish : text.english);
}

}  // namespace kxua::testbed
