#pragma once
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "display/display.h"
#include "display/frame_events.h"
#include "display/sprite_table.h"
#include "platform/event_loop.h"

namespace gs {

// A display that draws nothing and logs every call in order as one text line,
// e.g. "CreateSprite()=3", "LoadSpriteFrame(3,1,/data/bg.bmp,-2)",
// "GetSpriteX(3)=330", "DrawText(\"12:00:00\",1,1,0)". Queries are answered
// from the same sprite state the real display keeps.
class RecordingDisplay : public Display {
 public:
  explicit RecordingDisplay(const Clock& clock) : sprites_(clock) {}

  bool openResult = true;  // what OpenDisplay answers
  bool logQueries = true;  // whether Get* and FrameDue are logged too

  const std::vector<std::string>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  int CountCalls(const std::string& prefix) const {
    return static_cast<int>(
        std::count_if(calls_.begin(), calls_.end(), [&](const std::string& c) { return c.starts_with(prefix); }));
  }
  SpriteTable& sprites() { return sprites_; }

  // Input as a user would give it, through the attached handler.
  void SendKey() { events_->KeyDown(65, 0); }
  void SendMouseDown() { events_->MouseDown(1, 0, 400, 300); }
  void SendMouseMove() { events_->MouseMove(0, 0, 400, 300); }

  void Attach(EventLoop& loop, DisplayEvents& events) override {
    events_ = &events;
    AddFrameTimer(loop, events, [this] { return open_; });
  }
  bool OpenDisplay(int32_t width, int32_t height, int32_t depth, const std::string& text) override {
    Log("OpenDisplay", width, height, depth, text);
    return open_ = openResult;
  }
  int32_t CreateSprite() override {
    int32_t id = sprites_.Create();
    calls_.push_back("CreateSprite()=" + std::to_string(id));
    return id;
  }
  void LoadSpriteFrame(int32_t id, int32_t frame, const std::string& path, int32_t keyMode) override {
    // The path unquoted, as file names read in a log.
    calls_.push_back("LoadSpriteFrame(" + std::to_string(id) + "," + std::to_string(frame) + "," + path + "," +
                     std::to_string(keyMode) + ")");
    sprites_.NoteFrameLoaded(id, frame);
  }
  void SetSpriteX(int32_t id, int32_t x) override { Log("SetSpriteX", id, x); sprites_.SetX(id, x); }
  void SetSpriteY(int32_t id, int32_t y) override { Log("SetSpriteY", id, y); sprites_.SetY(id, y); }
  int32_t GetSpriteX(int32_t id) override { return Query("GetSpriteX", sprites_.X(id), id); }
  int32_t GetSpriteY(int32_t id) override { return Query("GetSpriteY", sprites_.Y(id), id); }
  void MoveSpriteX(int32_t id, int32_t d) override { Log("MoveSpriteX", id, d); sprites_.MoveX(id, d); }
  void MoveSpriteY(int32_t id, int32_t d) override { Log("MoveSpriteY", id, d); sprites_.MoveY(id, d); }
  void SetSpriteFrame(int32_t id, int32_t f) override { Log("SetSpriteFrame", id, f); sprites_.SetFrame(id, f); }
  int32_t GetSpriteFrame(int32_t id) override { return Query("GetSpriteFrame", sprites_.Frame(id), id); }
  void SetFrameInterval(int32_t id, int32_t ms) override {
    Log("SetFrameInterval", id, ms); sprites_.SetInterval(id, ms);
  }
  bool FrameDue(int32_t id) override { return Query("FrameDue", sprites_.FrameDue(id), id); }
  void NextFrame(int32_t id) override { Log("NextFrame", id); sprites_.NextFrame(id); }
  void DrawSprite(int32_t id) override { Log("DrawSprite", id); }
  void ClearFrame(int32_t colour) override { Log("ClearFrame", colour); }
  void SetTextFont(const std::string& face, int32_t size, int32_t style, bool bold, bool italic,
                   bool underline) override {
    Log("SetTextFont", face, size, style, bold, italic, underline);
  }
  void DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) override {
    Log("DrawText", text, x, y, colour);
  }
  void PresentFrame() override { Log("PresentFrame"); }

 private:
  static void Put(std::ostringstream& out, const std::string& s) { out << '"' << s << '"'; }
  static void Put(std::ostringstream& out, bool b) { out << (b ? "True" : "False"); }
  static void Put(std::ostringstream& out, int32_t v) { out << v; }
  template <typename... A>
  static std::string Format(const char* op, const A&... args) {
    std::ostringstream out;
    out << op << '(';
    bool first = true;
    ((out << (first ? "" : ","), Put(out, args), first = false), ...);
    out << ')';
    return out.str();
  }
  template <typename... A>
  void Log(const char* op, const A&... args) {
    calls_.push_back(Format(op, args...));
  }
  template <typename R, typename... A>
  R Query(const char* op, R result, const A&... args) {
    if (logQueries) {
      std::ostringstream out;
      Put(out, result);
      calls_.push_back(Format(op, args...) + "=" + out.str());
    }
    return result;
  }

  SpriteTable sprites_;
  std::vector<std::string> calls_;
  DisplayEvents* events_ = nullptr;
  bool open_ = false;
};

}  // namespace gs
