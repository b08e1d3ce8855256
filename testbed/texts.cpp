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
// Some ids are the design-time Spanish captions themselves, as in the product.
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
  };
  return texts;
}

void AddProductTexts(Dictionary& dictionary, const std::wstring& language) {
  const bool spanish = language == L"spa";
  for (const ProductText& text : ProductTexts())
    dictionary.Add(text.id, spanish ? text.spanish : text.english);
}

}  // namespace kxua::testbed
