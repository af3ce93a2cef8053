// The window opening and closing, and the commands that belong to no calculation.
#include <string>

#include "stations/locator_text.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel {
namespace {

constexpr std::string_view kHelpLines[] = {
    "Valeur du locator doit être comprise : entre AA00AA et RR99XX",
    "Valeurs des coordonnées maximums : Longitude = 179°59'59'' , Latitude = 89°59'59''",
    "Note : Dans le champ 'Son Locator',vous pouvez en utilisant la touche ENTRÉE du clavier "
    "effacer les précédents calculs.",
    "                                       Bonne utilisation Quelbor",
};

constexpr std::string_view kAbout =
    "Tarvel-V1.1 : locator, distance et azimut entre deux stations. Réalisé par les contributeurs "
    "du projet Tarvel. Logiciel distribué sans aucune garantie.";

std::string paddedNumber(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// "dd-mm-yyyy".
std::string dateCaption(const CalendarDate& date) {
  return paddedNumber(date.day, 2) + '-' + paddedNumber(date.month, 2) + '-' +
         paddedNumber(date.year, 4);
}

}  // namespace

void WinDurOzirozador::Form_Load() {
  for (ComboBox* box : {&Comb_M_NS, &Comb_S_NS}) {
    box->addItem(locator::kNorth);
    box->addItem(locator::kSouth);
  }
  for (ComboBox* box : {&Comb_M_EO, &Comb_S_EO}) {
    box->addItem(locator::kEast);
    box->addItem(locator::kWest);
  }
  LabDate.setCaption(dateCaption(platform().today()));
  readSettings();
  if (!Text_M_Loc.text().empty()) Check_Sauve.setValue(1);
  if (Check_Sauve.value() == 1) {
    Com_M_RAZ.setEnabled(false);
    Com_M_Click();
  }
  if (Check_Sauve.value() == 0) Com_M_RAZ.setEnabled(true);
}

// Closing is never refused: `cancel` is left as it came.
void WinDurOzirozador::Form_Unload([[maybe_unused]] int& cancel) {
  writeSettings();
  end();
  platform().endProgram();
}

void WinDurOzirozador::Com_M_RAZ_Click() {
  for (TextField* field : Mon.resetOrder())
    field->setText("");
  if (Check_Sauve.value() == 0) Text_M_Loc.setText("");
}

void WinDurOzirozador::Com_S_Raz_Click() {
  for (TextField* field : Son.resetOrder())
    field->setText("");
  Text_S_Loc.setText("");
  Lab_Heure_Cor.setCaption("Heure:");
  LabelAzimut.setCaption("Azimut :");
  LabelDistance.setCaption("Distance :");
  ++pathRevision_;  // a sweep running on ends with nothing to say
  Gest_Erreur();
  setFocus(Text_S_Loc);
  needleAtRest();
}

void WinDurOzirozador::Check_Sauve_Click() {
  if (Check_Sauve.value() == 1) Com_M_RAZ.setEnabled(false);
  if (Check_Sauve.value() == 0) Com_M_RAZ.setEnabled(true);
}

void WinDurOzirozador::Comhelp_Click() {
  std::string text;
  for (const std::string_view line : kHelpLines) {
    if (!text.empty()) text.push_back('\r');
    text.append(line);
  }
  message(text, MessageIcon::Exclamation);
}

void WinDurOzirozador::Label6_Click([[maybe_unused]] int index) {
  message(kAbout, MessageIcon::None);
}

}  // namespace tarvel
