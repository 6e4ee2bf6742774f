#include "support/recording_display.h"

#include <algorithm>
#include <sstream>

#include "display/frame_events.h"

namespace gs {

namespace {
void Put(std::ostringstream& out, const std::string& s) { out << '"' << s << '"'; }
void Put(std::ostringstream& out, bool b) { out << (b ? "True" : "False"); }
void Put(std::ostringstream& out, int32_t v) { out << v; }
template <typename... A>
std::string Format(const char* op, const A&... args) {
  std::ostringstream out;
  out << op << '(';
  bool first = true;
  ((out << (first ? "" : ","), Put(out, args), first = false), ...);
  out << ')';
  return out.str();
}
}  // namespace

template <typename... A>
void RecordingDisplay::Log(const char* op, const A&... args) {
  calls_.push_back(Format(op, args...));
}

template <typename R, typename... A>
R RecordingDisplay::LogQuery(const char* op, R result, const A&... args) {
  if (logQueries) {
    std::ostringstream out;
    out << Format(op, args...) << '=';
    Put(out, result);
    calls_.push_back(out.str());
  }
  return result;
}

int RecordingDisplay::CountCalls(const std::string& prefix) const {
  return static_cast<int>(
      std::count_if(calls_.begin(), calls_.end(), [&](const std::string& c) { return c.starts_with(prefix); }));
}

void RecordingDisplay::Attach(EventLoop& loop, DisplayEvents& events) {
  events_ = &events;
  AddFrameTimer(loop, events, [this] { return open_; });
}

bool RecordingDisplay::OpenDisplay(int32_t width, int32_t height, int32_t depth, const std::string& text) {
  Log("OpenDisplay", width, height, depth, text);
  return open_ = openResult;
}

int32_t RecordingDisplay::CreateSprite() {
  int32_t id = sprites_.Create();
  calls_.push_back("CreateSprite()=" + std::to_string(id));
  return id;
}

void RecordingDisplay::LoadSpriteFrame(int32_t id, int32_t frame, const std::string& path, int32_t keyMode) {
  // The path unquoted, as file names read in a log.
  calls_.push_back("LoadSpriteFrame(" + std::to_string(id) + "," + std::to_string(frame) + "," + path + "," +
                   std::to_string(keyMode) + ")");
  sprites_.NoteFrameLoaded(id, frame);
}

void RecordingDisplay::SetSpriteX(int32_t id, int32_t x) { Log("SetSpriteX", id, x); sprites_.SetX(id, x); }
void RecordingDisplay::SetSpriteY(int32_t id, int32_t y) { Log("SetSpriteY", id, y); sprites_.SetY(id, y); }
int32_t RecordingDisplay::GetSpriteX(int32_t id) { return LogQuery("GetSpriteX", sprites_.X(id), id); }
int32_t RecordingDisplay::GetSpriteY(int32_t id) { return LogQuery("GetSpriteY", sprites_.Y(id), id); }
void RecordingDisplay::MoveSpriteX(int32_t id, int32_t d) { Log("MoveSpriteX", id, d); sprites_.MoveX(id, d); }
void RecordingDisplay::MoveSpriteY(int32_t id, int32_t d) { Log("MoveSpriteY", id, d); sprites_.MoveY(id, d); }
void RecordingDisplay::SetSpriteFrame(int32_t id, int32_t frame) {
  Log("SetSpriteFrame", id, frame); sprites_.SetFrame(id, frame);
}
int32_t RecordingDisplay::GetSpriteFrame(int32_t id) { return LogQuery("GetSpriteFrame", sprites_.Frame(id), id); }
void RecordingDisplay::SetFrameInterval(int32_t id, int32_t ms) {
  Log("SetFrameInterval", id, ms); sprites_.SetInterval(id, ms);
}
bool RecordingDisplay::FrameDue(int32_t id) { return LogQuery("FrameDue", sprites_.FrameDue(id), id); }
void RecordingDisplay::NextFrame(int32_t id) { Log("NextFrame", id); sprites_.NextFrame(id); }
void RecordingDisplay::DrawSprite(int32_t id) { Log("DrawSprite", id); }
void RecordingDisplay::ClearFrame(int32_t colour) { Log("ClearFrame", colour); }
void RecordingDisplay::SetTextFont(const std::string& face, int32_t size, int32_t style, bool bold, bool italic,
                                   bool underline) {
  Log("SetTextFont", face, size, style, bold, italic, underline);
}
void RecordingDisplay::DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) {
  Log("DrawText", text, x, y, colour);
}
void RecordingDisplay::PresentFrame() { Log("PresentFrame"); }

}  // namespace gs
