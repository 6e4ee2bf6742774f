#include "scene/show_tables.h"

#include <algorithm>
#include <sstream>

#include "display/display.h"

namespace gs::testing {

namespace {

constexpr int kMaxReports = 5;  // failures shown per table, so one fault does not flood the log

bool InScenes(const SceneFrame& r, const std::vector<int>& scenes) {
  return std::find(scenes.begin(), scenes.end(), r.before.scene) != scenes.end();
}

bool Applies(int scene, int step, const SceneFrame& r) {
  return r.before.scene == scene && (step == 0 || r.before.step == step);
}

int16_t CounterOf(const SceneFrame::State& s, Counter c) {
  switch (c) {
    case Counter::StepTicks: return s.stepTicks;
    case Counter::Scene1Ticks: return s.scene1Ticks;
    case Counter::Scene2Ticks: return s.scene2Ticks;
    case Counter::Scene3Ticks: return s.scene3Ticks;
    case Counter::HoleTicks: return s.holeTicks;
  }
  return -1;
}

const char* NameOf(Counter c) {
  switch (c) {
    case Counter::StepTicks: return "StepTicks";
    case Counter::Scene1Ticks: return "Scene1Ticks";
    case Counter::Scene2Ticks: return "Scene2Ticks";
    case Counter::Scene3Ticks: return "Scene3Ticks";
    case Counter::HoleTicks: return "HoleTicks";
  }
  return "?";
}

std::string Join(const std::vector<int32_t>& v) {
  std::ostringstream out;
  for (size_t i = 0; i < v.size(); ++i) out << (i ? "," : "") << v[i];
  return out.str();
}

}  // namespace

namespace {
const SceneFrame::Draw* FirstDraw(const SceneFrame& r, int32_t id) {
  for (const SceneFrame::Draw& d : r.draws)
    if (d.id == id) return &d;
  return nullptr;
}
}  // namespace

int DrawnY(const SceneFrame& r, int32_t id) {
  const SceneFrame::Draw* d = FirstDraw(r, id);
  return d ? d->y : -1;
}

int DrawnX(const SceneFrame& r, int32_t id) {
  const SceneFrame::Draw* d = FirstDraw(r, id);
  return d ? d->x : -1;
}

std::string Describe(const SceneFrame& r) {
  std::ostringstream out;
  out << "show " << r.show << " at " << r.us / 1e6 << " s, scene " << r.before.scene << " step " << r.before.step
      << ", StepTicks " << r.before.stepTicks << ", Scene1/2/3Ticks " << r.before.scene1Ticks << "/"
      << r.before.scene2Ticks << "/" << r.before.scene3Ticks << ", HoleTicks " << r.before.holeTicks;
  return out.str();
}

void ExpectCues(const ShowRun& run, const std::vector<Cue>& cues, std::vector<int> scenes) {
  const ShowIds& f = run.ids;
  int reports = 0;
  for (const SceneFrame& r : run.frames) {
    if (!InScenes(r, scenes)) continue;
    std::vector<int32_t> expected;
    std::string names;
    for (const Cue& c : cues) {
      if (Applies(c.scene, c.step, r) && c.when(r, f)) {
        expected.push_back(f.*c.sound);
        names += std::string(" ") + c.name;
      }
    }
    std::vector<int32_t> played = r.plays;
    std::sort(expected.begin(), expected.end());
    std::sort(played.begin(), played.end());
    if (played != expected && reports++ < kMaxReports)
      ADD_FAILURE() << "TunePC " << run.tunePC << ", " << Describe(r) << ": sounds {" << Join(played)
                    << "}, expected {" << Join(expected) << "} (" << names << " )";
  }
}

void ExpectDraws(const ShowRun& run, const std::vector<DrawRule>& rules, std::vector<int> scenes) {
  const ShowIds& f = run.ids;
  int reports = 0;
  for (const SceneFrame& r : run.frames) {
    if (!InScenes(r, scenes)) continue;
    std::vector<int32_t> expected;
    if (r.before.showBackdrop) expected = {f.hBackground, f.hInside, f.hShack};
    for (const DrawRule& d : rules)
      if (Applies(d.scene, d.step, r) && d.when(r, f)) expected.push_back(f.*d.sprite);
    std::vector<int32_t> drawn;
    for (const SceneFrame::Draw& d : r.draws) drawn.push_back(d.id);
    std::vector<int32_t> clears;
    if (r.before.showBackdrop) clears.push_back(Rgb(41, 118, 14));
    if (r.before.scene == 8) clears.push_back(Rgb(0, 0, 0));
    if ((drawn != expected || clears != r.clears) && reports++ < kMaxReports)
      ADD_FAILURE() << "TunePC " << run.tunePC << ", " << Describe(r) << ": drew {" << Join(drawn) << "} cleared {"
                    << Join(r.clears) << "}, expected {" << Join(expected) << "} cleared {" << Join(clears) << "}";
  }
}

std::vector<Segment> Segments(const ShowRun& run) {
  std::vector<Segment> out;
  for (size_t i = 0; i < run.frames.size(); ++i) {
    const SceneFrame& r = run.frames[i];
    if (!out.empty() && out.back().show == r.show && out.back().scene == r.before.scene &&
        out.back().step == r.before.step) {
      out.back().last = i;
    } else {
      out.push_back({r.show, r.before.scene, r.before.step, i, i});
    }
  }
  return out;
}

std::vector<Segment> SegmentsOf(const ShowRun& run, int scene, int step) {
  std::vector<Segment> out;
  for (const Segment& s : Segments(run))
    if (s.scene == scene && s.step == step) out.push_back(s);
  return out;
}

double Seconds(const ShowRun& run, const Segment& s) {
  return static_cast<double>(run.frames[s.last].us - run.frames[s.first].us) / 1e6;
}

void ExpectSteps(const ShowRun& run, const std::vector<StepRule>& rules) {
  const ShowIds& f = run.ids;
  std::vector<Segment> segments = Segments(run);
  for (const StepRule& rule : rules) {
    int ended = 0;
    for (size_t k = 0; k < segments.size(); ++k) {
      const Segment& s = segments[k];
      if (s.scene != rule.scene || s.step != rule.step) continue;
      const bool complete = k + 1 < segments.size();  // the run stops inside the last one
      for (size_t i = s.first; i <= s.last; ++i) {
        const SceneFrame& r = run.frames[i];
        const bool leaving = complete && i == s.last;
        if (rule.leaves(r, f) != leaving) {
          ADD_FAILURE() << "TunePC " << run.tunePC << ", " << Describe(r) << ": the leave condition "
                        << (leaving ? "does not hold on the frame that leaves" : "holds but the step goes on");
          break;
        }
      }
      if (!complete) continue;
      ++ended;
      const SceneFrame& last = run.frames[s.last];
      EXPECT_EQ(last.after.scene, rule.nextScene) << Describe(last);
      EXPECT_EQ(last.after.step, rule.nextStep) << Describe(last);
      for (Counter c : rule.zeroed)
        EXPECT_EQ(CounterOf(last.after, c), 0) << NameOf(c) << " after " << Describe(last);
      for (Counter c : rule.kept)
        EXPECT_EQ(CounterOf(last.after, c), CounterOf(last.before, c)) << NameOf(c) << " after " << Describe(last);
    }
    EXPECT_GE(ended, 2) << "scene " << rule.scene << " step " << rule.step << " at TunePC " << run.tunePC
                        << " did not end in both shows";
  }
}

void ExpectPlaces(const ShowRun& run, const std::vector<Place>& places) {
  const ShowIds& f = run.ids;
  int reports = 0;
  for (const SceneFrame& r : run.frames) {
    for (const SceneFrame::Draw& d : r.draws) {
      for (const Place& p : places) {
        if (f.*p.sprite != d.id || (d.x == p.x && d.y == p.y)) continue;
        if (reports++ < kMaxReports)
          ADD_FAILURE() << "sprite " << d.id << " drawn at " << d.x << "," << d.y << ", expected " << p.x << ","
                        << p.y << "; TunePC " << run.tunePC << ", " << Describe(r);
      }
    }
  }
}

void ExpectEveryCueHeard(const ShowRun& run, const std::vector<Cue>& cues) {
  const ShowIds& f = run.ids;
  for (const Cue& c : cues) {
    for (int show = 1; show <= 2; ++show) {
      bool heard = false;
      for (const SceneFrame& r : run.frames)
        heard = heard || (r.show == show && Applies(c.scene, c.step, r) && c.when(r, f));
      EXPECT_TRUE(heard) << c.name << " never due in show " << show << " at TunePC " << run.tunePC;
    }
  }
}

}  // namespace gs::testing
