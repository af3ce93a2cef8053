#include "rotator/fault.hpp"

#include "rotator/bounds.hpp"
#include "rotator/hamlib_codes.hpp"
#include "rotator/tenths.hpp"

namespace tarvel::rotator {
namespace {

constexpr std::size_t kShownReply = 40;  // bytes of a strange reply quoted in a message

std::string quoted(std::string_view text) {
  return "« " + std::string(text) + " »";
}

// A peer's bytes as a message can show them: printable ASCII, the rest as '?', cut short.
std::string shown(std::string_view reply) {
  std::string text(reply.substr(0, kShownReply));
  for (char& c : text) {
    if (c < ' ' || c > '~') c = '?';
  }
  return reply.size() > kShownReply ? text + "..." : text;
}

std::string degrees(double value) {
  return tenths(value) + "°";
}

std::string seconds(std::chrono::seconds limit) {
  return std::to_string(limit.count()) + " s";
}

}  // namespace

std::string faultMessage(const Fault& fault, std::string_view where) {
  const std::string at = "à " + std::string(where);
  const std::string rotator = "le rotator " + at;
  const std::string command = quoted(fault.command);
  switch (fault.kind) {
    case FaultKind::Unreachable:
      return "aucun rotator ne répond " + at + " : rotctld est-il lancé ?";
    case FaultKind::ConnectTimeout:
      return "pas de connexion au rotator " + at + " en " + seconds(kConnectTime) +
             " : l'adresse est-elle la bonne ?";
    case FaultKind::UnknownHost:
      return "hôte introuvable pour le rotator " + at;
    case FaultKind::Network:
      return "échange impossible avec " + rotator + " (erreur système " +
             std::to_string(fault.code) + ")";
    case FaultKind::NoReply:
      return rotator + " n'a pas répondu en " + seconds(kReplyTime) + " à " + command;
    case FaultKind::ClosedBeforeReply:
      if (fault.command.empty()) return rotator + " a fermé la connexion";
      return rotator + " a fermé la connexion sans répondre à " + command;
    case FaultKind::ClosedMidReply:
      return rotator + " a fermé la connexion au milieu de sa réponse à " + command;
    case FaultKind::Refused:
      return rotator + " refuse " + command + " : RPRT " + std::to_string(fault.code) + ", " +
             std::string(hamlibErrorMeaning(-fault.code));
    case FaultKind::Malformed:
      if (fault.command.empty())
        return "données inattendues du rotator " + at + " : " + quoted(shown(fault.reply));
      return "réponse inattendue du rotator " + at + " à " + command + " : " +
             quoted(shown(fault.reply));
    case FaultKind::Overlong:
      return "réponse trop longue du rotator " + at + " à " + command + " : plus de " +
             std::to_string(kReplyLimit) + " octets";
    case FaultKind::OutOfRange:
      return "l'azimut " + degrees(fault.target) + " sort des limites du rotator " + at + " (" +
             degrees(fault.limits.minAzimuth) + " à " + degrees(fault.limits.maxAzimuth) + ")";
    case FaultKind::StoppedShort:
      return rotator + " s'est arrêté à " + degrees(fault.heading) + ", pas à " +
             degrees(fault.target);
  }
  return rotator;
}

bool endsConnection(FaultKind kind) {
  return kind != FaultKind::Refused && kind != FaultKind::OutOfRange &&
         kind != FaultKind::StoppedShort;
}

}  // namespace tarvel::rotator
