#pragma once
#include <algorithm>
#include <string>
#include <type_traits>
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
    Log("OpenDisplay", {width, height, depth}, {Quoted(text)});
    return open_ = openResult;
  }
  int32_t CreateSprite() override { return Query("CreateSprite", {}, sprites_.Create(), true); }
  void LoadSpriteFrame(int32_t id, int32_t frame, const std::string& path, int32_t keyMode) override {
    // The path unquoted, as file names read in a log.
    Log("LoadSpriteFrame", {id, frame}, {path, std::to_string(keyMode)});
    sprites_.NoteFrameLoaded(id, frame);
  }
  void SetSpriteX(int32_t id, int32_t x) override { Log("SetSpriteX", {id, x}); sprites_.SetX(id, x); }
  void SetSpriteY(int32_t id, int32_t y) override { Log("SetSpriteY", {id, y}); sprites_.SetY(id, y); }
  int32_t GetSpriteX(int32_t id) override { return Query("GetSpriteX", {id}, sprites_.X(id)); }
  int32_t GetSpriteY(int32_t id) override { return Query("GetSpriteY", {id}, sprites_.Y(id)); }
  void MoveSpriteX(int32_t id, int32_t d) override { Log("MoveSpriteX", {id, d}); sprites_.MoveX(id, d); }
  void MoveSpriteY(int32_t id, int32_t d) override { Log("MoveSpriteY", {id, d}); sprites_.MoveY(id, d); }
  void SetSpriteFrame(int32_t id, int32_t f) override { Log("SetSpriteFrame", {id, f}); sprites_.SetFrame(id, f); }
  int32_t GetSpriteFrame(int32_t id) override { return Query("GetSpriteFrame", {id}, sprites_.Frame(id)); }
  void SetFrameInterval(int32_t id, int32_t ms) override {
    Log("SetFrameInterval", {id, ms});
    sprites_.SetInterval(id, ms);
  }
  bool FrameDue(int32_t id) override { return Query("FrameDue", {id}, sprites_.FrameDue(id)); }
  void NextFrame(int32_t id) override { Log("NextFrame", {id}); sprites_.NextFrame(id); }
  void DrawSprite(int32_t id) override { Log("DrawSprite", {id}); }
  void ClearFrame(int32_t colour) override { Log("ClearFrame", {colour}); }
  void SetTextFont(const std::string& face, int32_t size, int32_t style, bool bold, bool italic,
                   bool underline) override {
    Log("SetTextFont", {}, {Quoted(face), std::to_string(size), std::to_string(style), Word(bold), Word(italic),
                            Word(underline)});
  }
  void DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) override {
    Log("DrawText", {}, {Quoted(text), std::to_string(x), std::to_string(y), std::to_string(colour)});
  }
  void PresentFrame() override { Log("PresentFrame", {}); }

 private:
  static std::string Quoted(const std::string& s) { return std::string("\"").append(s).append("\""); }
  static std::string Word(bool b) { return b ? "True" : "False"; }
  // "op(numbers...,texts...)"
  static std::string Format(const char* op, std::initializer_list<int32_t> numbers,
                            std::initializer_list<std::string> texts = {}) {
    std::string line = std::string(op).append("(");
    for (int32_t n : numbers) line.append(std::to_string(n)).append(",");
    for (const std::string& t : texts) line.append(t).append(",");
    if (line.back() == ',') line.pop_back();
    return line.append(")");
  }
  void Log(const char* op, std::initializer_list<int32_t> numbers, std::initializer_list<std::string> texts = {}) {
    calls_.push_back(Format(op, numbers, texts));
  }
  // Creations are logged like queries, whatever logQueries says.
  template <typename R>
  R Query(const char* op, std::initializer_list<int32_t> numbers, R result, bool always = false) {
    if (logQueries || always) {
      if constexpr (std::is_same_v<R, bool>) calls_.push_back(Format(op, numbers) + "=" + Word(result));
      else calls_.push_back(Format(op, numbers) + "=" + std::to_string(result));
    }
    return result;
  }

  SpriteTable sprites_;
  std::vector<std::string> calls_;
  DisplayEvents* events_ = nullptr;
  bool open_ = false;
};

}  // namespace gs
