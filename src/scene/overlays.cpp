// The overlays drawn over every frame: clock, message and the notices.
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/text.h"
#include "scene/scene_idioms.h"
#include "scene/scenes.h"

namespace gs {

namespace {

// A typed font size (the height of a line in pixels): a number rounded half
// to even, clamped to sane sizes; text that is no number gives the first-run
// size.
int32_t FontPoints(const std::string& typed, int32_t fallback) {
  const char* begin = typed.c_str();
  char* end = nullptr;
  double v = std::strtod(begin, &end);
  if (end == begin || !end || !Trim(end, kSpaceAndTab).empty() || !std::isfinite(v)) return fallback;
  double r = std::nearbyint(v);  // the default rounding mode is to even
  return static_cast<int32_t>(std::fmin(200.0, std::fmax(1.0, r)));
}

// The time of day in the locale's time format (hours, minutes, seconds).
std::string LongTime(double secondsSinceMidnight) {
  static const bool localeSet = std::setlocale(LC_TIME, "") != nullptr;
  (void)localeSet;
  long s = static_cast<long>(secondsSinceMidnight);
  std::tm tm{};
  tm.tm_hour = static_cast<int>(s / 3600 % 24);
  tm.tm_min = static_cast<int>(s / 60 % 60);
  tm.tm_sec = static_cast<int>(s % 60);
  char buf[64];
  size_t n = std::strftime(buf, sizeof buf, "%X", &tm);
  return n ? std::string(buf, n) : std::string();
}

void Notice(Show& show, const char* first, int32_t countdownColour, int32_t picture) {
  show.TegoDDrw1.SetTextFont("Arial", 14, 1, false, false, false);
  show.TegoDDrw1.DrawText(first, 150, 225, Rgb(0, 0, 0));
  show.TegoDDrw1.SetTextFont("Arial", 14, 1, false, false, false);
  show.TegoDDrw1.DrawText("This graphic will disappear in: " + std::to_string(show.NoticeSecondsLeft) + " seconds", 150,
                          235, countdownColour);
  Draw(show, picture);
}

}  // namespace

void DrawOverlays(Show& show) {
  if (show.settings.Clock == 1) {
    show.TegoDDrw1.SetTextFont("Arial", FontPoints(show.settings.FontSize, 24), 1, false, false, false);
    show.TegoDDrw1.DrawText(LongTime(show.ClockTime), 1, 1, Rgb(0, 0, 0));
  }
  if (show.settings.ShowMessage == 1) {
    show.TegoDDrw1.SetTextFont("Arial", FontPoints(show.settings.FontSizeMsg, 16), 1, false, false, false);
    show.TegoDDrw1.DrawText(show.settings.Message, 1, 568, Rgb(255, 255, 0));
  }
  if (!show.TuneNoticeDone)
    Notice(show, "1 of 2 Messages. These messages will only be displayed one time", Rgb(0, 0, 0),
           show.sprites.hTuneNotice);
  if (show.TuneNoticeDone && !show.MonitorNoticeDone)
    Notice(show, "2 of 2 Messages. These messages will only be displayed one time", Rgb(0, 255, 0),
           show.sprites.hMonitorNotice);
}

}  // namespace gs
