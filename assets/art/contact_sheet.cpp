#include "contact_sheet.h"

#include <cairo.h>

#include <algorithm>
#include <set>
#include <vector>

#include "picture_render.h"
#include "sheet_groups.h"
#include "sheet_layout.h"

namespace art {
namespace {

constexpr int kSheetWidth = 2400;
constexpr int kMaxThumb = 400;  // larger pictures are shown scaled down

struct Cell {
  std::string name;
  const Rendered* picture;  // nullptr: missing
  double scale;
  int w, h;
};

struct Band {
  std::string title;
  std::vector<Cell> cells;
};

Cell MakeCell(const std::string& name, const RenderedSet& pictures) {
  auto it = pictures.find(name);
  if (it == pictures.end()) return {name, nullptr, 1.0, 60, 60};
  const RgbImage& img = it->second.image;
  const double scale = std::min(1.0, static_cast<double>(kMaxThumb) / std::max(img.width, img.height));
  return {name, &it->second, scale, std::max(1, static_cast<int>(img.width * scale)),
          std::max(1, static_cast<int>(img.height * scale))};
}

void Checker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  for (int j = 0; j * 8 < h; ++j)
    for (int i = 0; i * 8 < w; ++i) {
      const double v = ((i + j) % 2) ? 0.80 : 0.66;
      cairo_set_source_rgb(cr, v, v, v);
      cairo_rectangle(cr, x + i * 8, y + j * 8, 8, 8);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

}  // namespace

bool WriteContactSheet(const std::string& pngPath, const RenderedSet& pictures) {
  std::vector<Band> bands;
  std::set<std::string> placed;
  // Sprites that share one picture (wipe bars, gun holes) appear once.
  for (const SheetGroup& g : SheetGroups()) {
    Band band{g.sprite, {}};
    for (const std::string& name : g.pictures) {
      band.cells.push_back(MakeCell(name, pictures));
      placed.insert(name);
    }
    bands.push_back(std::move(band));
  }
  Band extra{"not played by any sprite", {}};
  for (const auto& [name, r] : pictures)
    if (!placed.count(name)) extra.cells.push_back(MakeCell(name, pictures));
  if (!extra.cells.empty()) bands.push_back(std::move(extra));

  // Titles are measured in their own font so that the layout keeps them apart too.
  cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* measure = cairo_create(scratch);
  cairo_select_font_face(measure, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(measure, 12);
  std::vector<SheetBandSize> sizes;
  for (const Band& band : bands) {
    cairo_text_extents_t ext;
    cairo_text_extents(measure, band.title.c_str(), &ext);
    SheetBandSize size{static_cast<int>(ext.x_advance) + 1, {}};
    for (const Cell& c : band.cells) size.pictures.push_back({0, 0, c.w, c.h});
    sizes.push_back(std::move(size));
  }
  cairo_destroy(measure);
  cairo_surface_destroy(scratch);
  const SheetLayout layout = LayOutSheet(sizes, kSheetWidth);
  const int height = layout.height;

  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSheetWidth, height);
  cairo_t* cr = cairo_create(sheet);
  cairo_set_source_rgb(cr, 0.93, 0.93, 0.91);
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 12);
  cairo_set_source_rgb(cr, 0.15, 0.15, 0.35);
  for (size_t b = 0; b < bands.size(); ++b) {
    cairo_move_to(cr, layout.titles[b].x, layout.titles[b].y + 13);
    cairo_show_text(cr, bands[b].title.c_str());
  }
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  for (size_t b = 0; b < bands.size(); ++b)
    for (size_t i = 0; i < bands[b].cells.size(); ++i) {
      const Cell& c = bands[b].cells[i];
      const SheetBox& p = layout.cells[b][i];
      Checker(cr, p.x, p.y, c.w, c.h);
      if (c.picture) {
        cairo_surface_t* s = ToSurface(c.picture->image, c.picture->keyed);
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_scale(cr, c.scale, c.scale);
        cairo_set_source_surface(cr, s, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), c.scale < 1 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        cairo_surface_destroy(s);
      } else {
        cairo_set_source_rgb(cr, 0.85, 0.1, 0.1);
        cairo_set_line_width(cr, 3);
        cairo_rectangle(cr, p.x + 1.5, p.y + 1.5, c.w - 3, c.h - 3);
        cairo_move_to(cr, p.x, p.y);
        cairo_line_to(cr, p.x + c.w, p.y + c.h);
        cairo_stroke(cr);
      }
      cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
      std::string label = c.name;
      if (c.picture && c.scale < 1) label += " (scaled)";
      cairo_move_to(cr, p.x, p.y + c.h + 12);
      cairo_show_text(cr, label.c_str());
    }
  cairo_destroy(cr);
  const bool ok = cairo_surface_write_to_png(sheet, pngPath.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(sheet);
  return ok;
}

}  // namespace art
