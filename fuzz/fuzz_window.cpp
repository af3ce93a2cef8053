// A stream of user actions on a loaded window: typing, editing keys, pastes, clicks, focus
// changes, hemisphere choices, function keys, timer ticks, actions nested in the needle's sweep
// and in open message boxes, and closing the window at any of those moments. After every action
// the window must still keep its rules; any break traps.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/memory_file_system.hpp"
#include "settings/settings_writer.hpp"
#include "tests/support/headless_platform.hpp"
#include "window/model/code_page.hpp"
#include "window/model/control_visit.hpp"
#include "window/model/number_text.hpp"
#include "window/model/utf8.hpp"
#include "window/win_dur_ozirozador.hpp"

namespace tarvel::fuzz {
namespace {

using W = WinDurOzirozador;

constexpr int kMaxDepth = 3;
constexpr std::string_view kProgramFolder = "/fuzz/program";

void check(bool condition) {
  if (!condition) __builtin_trap();
}

// The highest value each coordinate field of a station admits, in the order of its record: an
// oracle of its own, not the window's table.
constexpr std::array<int, 6> kCoordinateLimits{89, 59, 59, 179, 59, 59};

constexpr std::array<ComboBox W::*, 4> kComboBoxes{&W::Comb_M_NS, &W::Comb_M_EO, &W::Comb_S_NS,
                                                   &W::Comb_S_EO};

constexpr std::array<PushButton W::*, 6> kButtons{&W::Com_M,     &W::Com_M_RAZ,   &W::Com_S,
                                                  &W::Com_S_Raz, &W::ComDistance, &W::Comhelp};

constexpr std::array<std::string_view, 4> kHemispheres{"Nord", "Sud", "Est", "Ouest"};
constexpr std::array<FunctionKey, 3> kFunctionKeys{FunctionKey::F1, FunctionKey::F2,
                                                   FunctionKey::ShiftF1};

// The start of the message that the first distance without my position shows.
constexpr std::string_view kUnknownOriginStart = "Mon locator n'est pas encore calculé";
constexpr std::array<EditKey, 5> kEditKeys{EditKey::Delete, EditKey::Home, EditKey::End,
                                           EditKey::Left, EditKey::Right};

constexpr std::array<std::string_view, 6> kSettingsFiles{
    "\r\n",
    "\"JN23XX\"\r\n",
    "\"JN23\"\r\n",
    "\"SZ99AA\"\r\n",  // fails the locator check at load
    "\"IO91WM\"\r\n\"JN23XX\"\r\n",
    "\"PM95VQ\",\"RR99XX\"\r\n"};

// Every item of these files is at most six characters long, like the field it goes into: a
// longer one from a hand-edited file is kept whole on purpose, so the length rule would not hold.
constexpr std::size_t kMaxRawSettings = 6;

bool leadingDigitsWithin(std::string_view text, int limit) {
  std::string_view digits = number_text::leadingDigits(text);
  while (!digits.empty() && digits.front() == '0')
    digits.remove_prefix(1);
  return digits.size() <= 3 && number_text::numericValue(digits) <= limit;
}

// A path's sentence up to the warning that may follow it: whole numbers, none negative.
bool pathSentenceIsSound(std::string_view sentence) {
  if (!sentence.starts_with("Distance ")) return true;
  const std::string_view result = sentence.substr(0, sentence.find('.'));
  for (const std::string_view bad : {"nan", "inf", "NaN", "Inf", "-"}) {
    if (result.find(bad) != std::string_view::npos) return false;
  }
  return true;
}

bool captionIsSound(std::string_view caption) {
  for (const std::string_view bad :
       {"nan", "inf", "NaN", "Inf", "Distance: -", "Azimut: -", "Heure : -"}) {
    if (caption.find(bad) != std::string_view::npos) return false;
  }
  return true;
}

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return position_ >= size_; }
  std::uint8_t next() { return empty() ? 0 : data_[position_++]; }
  std::string take(std::size_t count) {
    std::string bytes;
    while (bytes.size() < count && !empty())
      bytes.push_back(static_cast<char>(next()));
    return bytes;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

class Session {
 public:
  Session(const std::uint8_t* data, std::size_t size) : input_(data, size) {
    platform_.onEventLoopPass = [this] { duringSweep(); };
    platform_.onMessage = [this](const RecordedMessage& shown) {
      checkUnknownOrigin(shown);
      duringMessage();
    };
  }

  void run() {
    prepareSettingsFile();
    window_.Form_Load();
    window_.show();
    checkWindow(false);
    while (!input_.empty() && !window_.ended())
      act();
  }

 private:
  void prepareSettingsFile() {
    const std::uint8_t choice = input_.next();
    armedForMessage_ = (choice & 0x80) != 0;  // a message shown while the window loads
    const std::string settings = std::string(kProgramFolder) + "/SavLoc.ini";
    const int which = choice % 9;
    if (which < static_cast<int>(kSettingsFiles.size())) {
      files_.files[settings] = kSettingsFiles[which];
    } else if (which == 6) {
      files_.files[settings] = input_.take(input_.next() % (kMaxRawSettings + 1));
    } else if (which == 7) {
      files_.files[settings] = '"' + input_.take(input_.next() % (kMaxRawSettings + 1)) + "\"\r\n";
    }  // 8: no settings file at all
  }

  // My six coordinate fields, the correspondent's, then my locator field and his.
  TextField& textField(std::uint8_t byte) {
    constexpr std::size_t kPerStation = kCoordinateLimits.size();
    const std::size_t index = byte % (2 * kPerStation + 2);
    if (index >= 2 * kPerStation) return (index % 2 == 0 ? window_.Mon : window_.Son).locator;
    return *(index < kPerStation ? window_.Mon : window_.Son).coordinates[index % kPerStation];
  }
  ComboBox& comboBox(std::uint8_t byte) { return window_.*kComboBoxes[byte % kComboBoxes.size()]; }

  void act() {
    if (window_.ended()) return;
    switch (input_.next() % 16) {
      case 0:
      case 1: {
        TextField& field = textField(input_.next());
        field.typeKey(input_.next());
        break;
      }
      case 2: {
        TextField& field = textField(input_.next());
        for (int count = input_.next() % 8; count > 0 && !window_.ended(); --count)
          field.typeKey(input_.next());
        break;
      }
      case 3: {
        ComboBox& box = comboBox(input_.next());
        box.typeKey(input_.next());
        break;
      }
      case 4: {
        const std::uint8_t target = input_.next();
        const EditKey key = kEditKeys[input_.next() % kEditKeys.size()];
        if (target & 1) {
          comboBox(target >> 1).pressKey(key);
        } else {
          textField(target >> 1).pressKey(key);
        }
        break;
      }
      case 5: {
        TextField& field = textField(input_.next());
        field.paste(cp1252::decode(input_.take(input_.next() % 8)));
        break;
      }
      case 6:
        (window_.*kButtons[input_.next() % kButtons.size()]).click();
        break;
      case 7:
        window_.Check_Sauve.click();
        break;
      case 8:
        if (input_.next() & 1) {
          window_.Label6(1).click();
        } else {
          window_.functionKey(kFunctionKeys[input_.next() % kFunctionKeys.size()]);
        }
        break;
      case 9:
        window_.setFocus(*window_.controls()[input_.next() % window_.controls().size()]);
        break;
      case 10:
        window_.tab((input_.next() & 1) != 0);
        break;
      case 11: {
        ComboBox& box = comboBox(input_.next());
        box.pick(kHemispheres[input_.next() % kHemispheres.size()]);
        break;
      }
      case 12:
        tick();
        break;
      case 13:
        nestAtPass_ = platform_.eventLoopPasses + 1 + input_.next() % 64;
        break;
      case 14:
        armedForMessage_ = true;
        break;
      case 15:
        close();
        break;
    }
    checkWindow(false);
  }

  void tick() {
    platform_.time = {input_.next() % 24, input_.next() % 60, input_.next() % 60};
    window_.Timer1.tick();
  }

  // Closing writes the settings file with what the window holds at that moment, except that a
  // checked box with my locator emptied and all six of my coordinates filled encodes them first.
  void close() {
    const bool kept = window_.Check_Sauve.value() == 1;
    const std::string locator = window_.Text_M_Loc.text();
    const bool encodes = kept && locator.empty() && myCoordinatesFilled();
    int cancel = 0;
    window_.Form_Unload(cancel);
    check(cancel == 0);
    check(window_.ended() && platform_.programEnded);
    check(encodes || window_.Text_M_Loc.text() == locator);
    const std::string expected = settings::settingsLine(kept, window_.Text_M_Loc.text());
    check(files_.files[std::string(kProgramFolder) + "/SavLoc.ini"] == expected);
    check(files_.files.count(std::string(kProgramFolder) + "/setting.tmp") == 0);
  }

  bool myCoordinatesFilled() const {
    return std::all_of(window_.Mon.coordinates.begin(), window_.Mon.coordinates.end(),
                       [](const TextField* field) { return !field->text().empty(); });
  }

  // A pass of the event loop inside the sweep: the user may do anything there.
  void duringSweep() {
    if (!nestAtPass_ || platform_.eventLoopPasses < *nestAtPass_) return;
    nestAtPass_.reset();
    if (depth_ >= kMaxDepth || window_.ended()) return;
    ++depth_;
    act();
    --depth_;
  }

  // A message box is modal: the window takes no input, but the timer still ticks and the window
  // can still be closed.
  void duringMessage() {
    if (!armedForMessage_ || depth_ >= kMaxDepth || window_.ended()) return;
    armedForMessage_ = false;
    ++depth_;
    if (input_.next() & 1) {
      close();
    } else {
      tick();
    }
    checkWindow(true);
    --depth_;
  }

  // Shown once a run at most, and only while my station has no position.
  void checkUnknownOrigin(const RecordedMessage& shown) {
    if (!shown.text.starts_with(kUnknownOriginStart)) return;
    check(!unknownOriginShown_ && !window_.Lat_Mon.has_value());
    check(shown.icon == MessageIcon::Exclamation);
    unknownOriginShown_ = true;
  }

  // Every sentence a screen reader was told says something, and a path's numbers are sound.
  void checkAnnouncements() {
    for (; announcementsChecked_ < platform_.announcements.size(); ++announcementsChecked_) {
      const std::string& sentence = platform_.announcements[announcementsChecked_];
      check(!sentence.empty() && pathSentenceIsSound(sentence));
    }
  }

  // A range check's message is shown while its field still holds the refused value, so the
  // coordinate rule is checked only outside message boxes.
  void checkWindow(bool insideMessage) {
    checkAnnouncements();
    if (!window_.ended()) {
      check(window_.Com_M_RAZ.enabled() == (window_.Check_Sauve.value() == 0));
    }
    for (const Control* control : window_.controls()) {
      visit(*control, Overloaded{
                          [](const TextField& field) {
                            const auto maxLength =
                                static_cast<std::size_t>(field.design().maxLength);
                            check(maxLength == 0 || utf8::length(field.text()) <= maxLength);
                          },
                          [](const Label& label) { check(captionIsSound(label.caption())); },
                          [](const auto&) {},
                      });
    }
    if (insideMessage) return;
    for (const StationRecord* station : {&window_.Mon, &window_.Son}) {
      for (std::size_t i = 0; i < kCoordinateLimits.size(); ++i)
        check(leadingDigitsWithin(station->coordinates[i]->text(), kCoordinateLimits[i]));
    }
  }

  Bytes input_;
  MemoryFileSystem files_;
  HeadlessPlatform platform_{files_, std::string(kProgramFolder), "/fuzz/user"};
  WinDurOzirozador window_{platform_};
  std::optional<long> nestAtPass_;
  bool armedForMessage_ = false;
  int depth_ = 0;
  bool unknownOriginShown_ = false;
  std::size_t announcementsChecked_ = 0;
};

}  // namespace
}  // namespace tarvel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tarvel::fuzz::Session(data, size).run();
  return 0;
}
