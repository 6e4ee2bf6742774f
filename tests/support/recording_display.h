#pragma once
#include <string>
#include <vector>

#include "display/display.h"
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
  // How many logged lines begin with prefix.
  int CountCalls(const std::string& prefix) const;
  SpriteTable& sprites() { return sprites_; }

  // Input as a user would give it, through the attached handler.
  void SendKey() { events_->KeyDown(65, 0); }
  void SendMouseDown() { events_->MouseDown(1, 0, 400, 300); }
  void SendMouseMove() { events_->MouseMove(0, 0, 400, 300); }

  void Attach(EventLoop& loop, DisplayEvents& events) override;
  bool OpenDisplay(int32_t width, int32_t height, int32_t depth, const std::string& text) override;
  int32_t CreateSprite() override;
  void LoadSpriteFrame(int32_t id, int32_t frame, const std::string& path, int32_t keyMode) override;
  void SetSpriteX(int32_t id, int32_t x) override;
  void SetSpriteY(int32_t id, int32_t y) override;
  int32_t GetSpriteX(int32_t id) override;
  int32_t GetSpriteY(int32_t id) override;
  void MoveSpriteX(int32_t id, int32_t d) override;
  void MoveSpriteY(int32_t id, int32_t d) override;
  void SetSpriteFrame(int32_t id, int32_t frame) override;
  int32_t GetSpriteFrame(int32_t id) override;
  void SetFrameInterval(int32_t id, int32_t ms) override;
  bool FrameDue(int32_t id) override;
  void NextFrame(int32_t id) override;
  void DrawSprite(int32_t id) override;
  void ClearFrame(int32_t colour) override;
  void SetTextFont(const std::string& face, int32_t size, int32_t style, bool bold, bool italic,
                   bool underline) override;
  void DrawText(const std::string& text, int32_t x, int32_t y, int32_t colour) override;
  void PresentFrame() override;

 private:
  template <typename... A>
  void Log(const char* op, const A&... args);
  template <typename R, typename... A>
  R LogQuery(const char* op, R result, const A&... args);

  SpriteTable sprites_;
  std::vector<std::string> calls_;
  DisplayEvents* events_ = nullptr;
  bool open_ = false;
};

}  // namespace gs
