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

  // What OpenDisplay answers.
  bool openResult = true;
  // Whether queries (Get*, FrameDue) are logged too.
  bool logQueries = true;

  const std::vector<std::string>& calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // The logged lines that begin with prefix, in order.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
  int CountCalls(const std::string& prefix) const;

  SpriteTable& sprites() { return sprites_; }
  bool isOpen() const { return open_; }
  int framesPresented() const { return presented_; }

  // Input as a user would give it; delivered straight to the attached handler.
  void SendKey();
  void SendMouseDown();
  void SendMouseMove();

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
  int presented_ = 0;
};

}  // namespace gs
