#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "rotator/session.hpp"
#include "window/model/controls.hpp"
#include "window/model/form.hpp"
#include "window/spoken_results.hpp"
#include "window/station_record.hpp"

namespace tarvel {

struct CoordinateRule;

// The program's one window: every control, the values it keeps between events, and its event
// handlers and procedures under their own names. The handlers are defined next to the subsystem
// they belong to: stations/, path/, entry/, settings/ and window/.
class WinDurOzirozador : public Form {
 public:
  explicit WinDurOzirozador(Platform& platform);

  // Title, help and frame.
  PushButton Comhelp{*this, "Comhelp"};
  Line Line2{*this, "Line2"};
  ControlArray<Label> Label6{*this, "Label6", {1}};

  // Clock.
  Label LabHeure{*this, "LabHeure"};
  Label LabDate{*this, "LabDate"};
  Timer Timer1{*this, "Timer1"};

  // Labels of both stations' blocks.
  ControlArray<Label> Label2{*this, "Label2", {0, 1}};
  ControlArray<Label> Label3{*this, "Label3", {0, 1, 2, 3, 4, 5, 6}};

  // My station.
  CheckBox Check_Sauve{*this, "Check_Sauve"};
  TextField Text_M_Loc{*this, "Text_M_Loc"};
  PushButton Com_M{*this, "Com_M"};
  PushButton Com_M_RAZ{*this, "Com_M_RAZ"};
  TextField Text_M_Lon_Deg{*this, "Text_M_Lon_Deg"};
  TextField Text_M_Lon_Min{*this, "Text_M_Lon_Min"};
  TextField Text_M_Lon_Sec{*this, "Text_M_Lon_Sec"};
  ComboBox Comb_M_EO{*this, "Comb_M_EO"};
  TextField Text_M_Lat_Deg{*this, "Text_M_Lat_Deg"};
  TextField Text_M_Lat_Min{*this, "Text_M_Lat_Min"};
  TextField Text_M_Lat_Sec{*this, "Text_M_Lat_Sec"};
  ComboBox Comb_M_NS{*this, "Comb_M_NS"};

  // The correspondent's station.
  TextField Text_S_Loc{*this, "Text_S_Loc"};
  PushButton Com_S_Raz{*this, "Com_S_Raz"};
  TextField Text_S_Lon_Deg{*this, "Text_S_Lon_Deg"};
  TextField Text_S_Lon_Min{*this, "Text_S_Lon_Min"};
  TextField Text_S_Lon_Sec{*this, "Text_S_Lon_Sec"};
  ComboBox Comb_S_EO{*this, "Comb_S_EO"};
  TextField Text_S_Lat_Deg{*this, "Text_S_Lat_Deg"};
  TextField Text_S_Lat_Min{*this, "Text_S_Lat_Min"};
  TextField Text_S_Lat_Sec{*this, "Text_S_Lat_Sec"};
  ComboBox Comb_S_NS{*this, "Comb_S_NS"};
  PushButton Com_S{*this, "Com_S"};

  // Results.
  Label Lab_Heure_Cor{*this, "Lab_Heure_Cor"};
  Label LabelAzimut{*this, "LabelAzimut"};
  Label LabelDistance{*this, "LabelDistance"};
  PushButton ComDistance{*this, "ComDistance"};

  // Compass rose, drawn beneath everything else.
  Shape Shape3{*this, "Shape3"};
  Shape Shape2{*this, "Shape2"};
  Line Li1{*this, "Li1"};
  ControlArray<Line> Line1{*this, "Line1", {0, 1, 2}};
  ControlArray<Line> Line3{*this, "Line3", {0, 1, 2}};
  ControlArray<Line> Line4{*this, "Line4", {0, 1, 2, 3}};
  ControlArray<Line> Line5{*this, "Line5", {0, 1, 2, 3}};
  ControlArray<Label> Label5{*this, "Label5", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}};

  // Kept values. The four positions and `Azimut` are empty until first computed and read as 0
  // until then; `Decal_Heure` is empty until a band first matches.
  std::optional<double> Lat_Mon, Lon_Mon, Lat_Son, Lon_Son;
  bool Loc_Valide = false;
  std::optional<double> Azimut;
  std::optional<int> Decal_Heure;
  std::string Lon_Deg_Son;
  std::string folderPath;           // with its trailing separator, from the load on
  std::string settingsPath;         // from the load on
  bool settingsUnreadable = false;  // the file was there at load but could not be read
  bool saveFailed = false;          // the close did not keep the locator

  StationRecord Mon;
  StationRecord Son;

  // Stations: the Calcul command and its steps.
  void Com_M_Click();
  void Com_S_Click();
  void Comp_M_Loc();
  void Comp_S_Loc();
  void Calc_Mon_Locator();
  void Calc_Son_Locator();
  void Calcul_Mon_Coord();
  void Calcul_Son_Coord();
  void verif_M_Coord();
  void verif_S_Coord();
  void Complete_Loc4();

  // Path to the correspondent.
  void ComDistance_Click();
  void Text_S_Loc_Change();
  void Text_S_Loc_KeyPress(std::int16_t& key);
  void Calcul_Azi_Dist();
  void Dessine_Angle();
  void Timer1_Timer();
  void Heure_du_correspondant();
  void Decalage();

  // Field entry.
  void Gest_Erreur();
  void Text_M_Loc_KeyPress(std::int16_t& key);
  void Text_M_Loc_Change();
  void Comb_M_NS_GotFocus();
  void Comb_M_EO_GotFocus();
  void Comb_S_NS_GotFocus();
  void Comb_S_EO_GotFocus();

  // Lifecycle and commands.
  void Form_Load();
  void Form_Unload(int& cancel);
  void Com_M_RAZ_Click();
  void Com_S_Raz_Click();
  void Check_Sauve_Click();
  void Comhelp_Click();
  void Label6_Click(int index);

  // The window opens: the clock shows the time, the focus goes to the first control of the Tab
  // order.
  void show();
  // The bearing the needle shows in whole degrees, none at rest; and a bearing as a screen reader
  // reads it ("224°", or empty).
  std::optional<int> needleBearing() const;
  static std::string bearingReading(std::optional<int> bearing);
  // A function key pressed anywhere in the window: F1 is the help, as the "?" button, F2 says
  // the last result again, Shift+F1 is the about message.
  void functionKey(FunctionKey key);
  void message(std::string_view text, MessageIcon icon);
  // Has a screen reader say a complete result once, and keeps it for the key that says it again.
  void announce(std::string sentence);
  void repeatAnnouncement();

  // The antenna rotator, when the user named one (path/antenna.cpp): each distance shown sends
  // the antenna to the correspondent, and the timer reads where it points. Without it no
  // connection is ever made.
  void attachRotator(rotator::Transport& transport, const rotator::Address& address);
  void antennaLongPath();
  void antennaStop();
  // The antenna's needle on the rose, none while no heading is shown; and as a screen reader
  // reads it ("Antenne 130°", "Antenne injoignable"; empty without a rotator).
  std::optional<LineEnds> antennaNeedle() const;
  std::string antennaReading() const;
  // What the rotator's transport saw, as its toolkit's event loop delivers it.
  void rotatorConnected();
  void rotatorReceived(std::string_view bytes);
  void rotatorClosed();
  void rotatorFailed(const rotator::Fault& fault);
  void rotatorWake();

 private:
  // What a Calcul wrote: the coordinates decoded from the locator, the locator encoded from the
  // coordinates, or neither.
  enum class CalculWrote { Nothing, Coordinates, Locator };
  // Whether the message that my station has no position yet was shown, and then said.
  enum class OriginWarning { NotShown, Unsaid, Said };

  StationRecord& station(StationSide side) { return side == StationSide::M ? Mon : Son; }
  void bindEvents();

  CalculWrote calcul(StationRecord& station);
  void calculClicked(StationRecord& station);
  void completeFields(StationRecord& station);
  void encode(StationRecord& station);
  bool decode(StationRecord& station);
  void verify(StationRecord& station);

  void needleAtRest();
  void needleStopped();

  void warnOfUnknownOrigin();
  void announcePath();
  void emptyLocator(StationRecord& station);
  // Has a screen reader say a notice that is no result: F2 still repeats the last result.
  void notify(std::string_view notice);

  void pointAntennaAtCorrespondent();
  void readAntenna();
  void antennaNews();
  void showAntennaFault();

  void bindCoordinateFields();
  void coordinateKeyPress(StationSide side, TextField& field, std::int16_t& key);
  void coordinateRangeCheck(TextField& field, const CoordinateRule& rule);

  std::filesystem::path chooseSettingsFolder();
  void readSettings();
  void encodeLocatorToKeep();
  void writeSettings();

  std::optional<int> bearingShown_;  // as a screen reader was last told of it
  std::string lastAnnouncement_;
  spoken::PathResult spokenPath_;  // as the distance command last showed it
  // Counts the path results shown and cleared: a distance command that finds it moved on during
  // its sweep leaves the saying to the nested command or the clearing that did it.
  long pathRevision_ = 0;
  OriginWarning originWarning_ = OriginWarning::NotShown;

  std::optional<rotator::Session> antenna_;
  std::optional<double> antennaBearing_;  // the short path of the last result sent
  std::optional<double> antennaHeading_;  // compass degrees, as the rose shows it
  bool antennaShownOnce_ = false;
  std::string antennaFault_;  // held until the distance command is over
  int distanceCommands_ = 0;  // running, nested ones included
};

}  // namespace tarvel
