// The art as drawn: texts inside their bitmaps, numerals clear of one another, round cards inside
// the windows they turn in, no cover glass over a face, scale marks where the host's needle points,
// and round faces that draw nothing past their bezel, at rest and at work.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "frame/element_tree.h"
#include "host/core/bitmap.h"
#include "host/core/panel_host.h"
#include "host/world/world.h"
#include "host/render/render.h"
#include "module_paths.h"
#include "scale.h"
#include "working_state.h"

using namespace host;

namespace {

const char* const modules[] = {"Tolvane", "Norvak_Instr", "Stelvar_Instr"};

struct LaidText {
    std::string kind, text;
    double      x0, y0, x1, y1;
};

struct LaidBitmap {
    std::string           gauge, art;
    int                   width = 0, height = 0;
    double                round_x = 0, round_y = 0, round_r = 0;
    std::vector<LaidText> texts;
};

std::map<unsigned, LaidBitmap> read_layout(const std::string& module)
{
    std::ifstream                  in(std::string(GAUGE_ART_DIR) + "/" + module + "/layout.txt");
    std::map<unsigned, LaidBitmap> out;
    LaidBitmap*                    current = nullptr;
    std::string                    line;
    while (std::getline(in, line)) {
        std::istringstream w(line);
        std::string        word;
        w >> word;
        if (word == "bitmap") {
            unsigned id;
            LaidBitmap b;
            w >> id >> b.gauge >> b.art >> b.width >> b.height;
            if (w >> word && word == "round")
                w >> b.round_x >> b.round_y >> b.round_r;
            current = &(out[id] = b);
        } else if (word == "text" && current) {
            LaidText t;
            w >> t.kind >> t.x0 >> t.y0 >> t.x1 >> t.y1;
            std::getline(w >> std::ws, t.text);
            current->texts.push_back(t);
        }
    }
    return out;
}

// Every element of every gauge of a module, with its gauge and the gauge's root element.
template <typename F>
void each_element(Module& m, F f)
{
    for (const GaugeEntry& g : m.gauges()) {
        ElementHeader* root = g.header->elements[0];
        walk_elements(root, [&](ElementHeader* e, ElementHeader*, int) { f(g, root, e); });
    }
}

// Every module loaded in a host of its own, with the layout its art program wrote.
template <typename F>
void each_module(F f)
{
    for (const char* module : modules) {
        auto           layout = read_layout(module);
        SimulatedPanel host;
        f(module, layout, host.load_module(module_path(module)));
    }
}

TEST(ArtLayout, TextsStayInsideTheirBitmapsAndNumeralsClearOfOneAnother)
{
    for (const char* module : modules) {
        auto layout = read_layout(module);
        ASSERT_FALSE(layout.empty()) << module;
        for (const auto& [id, b] : layout) {
            for (const LaidText& t : b.texts) {
                if (b.art == "drum" || b.art == "setting_scale")
                    continue;   // turned by the host: only the label under the window shows
                EXPECT_TRUE(t.x0 >= -0.5 && t.y0 >= -0.5 && t.x1 <= b.width + 0.5 && t.y1 <= b.height + 0.5)
                    << module << " bitmap " << id << " (" << b.gauge << "): '" << t.text << "' at " << t.x0 << ","
                    << t.y0 << "-" << t.x1 << "," << t.y1 << " leaves its " << b.width << "x" << b.height << " bitmap";
                if (b.round_r > 0) {
                    for (double x : {t.x0, t.x1})
                        for (double y : {t.y0, t.y1}) {
                            EXPECT_LT(std::hypot(x - b.round_x, y - b.round_y), b.round_r)
                                << module << " bitmap " << id << " (" << b.gauge << "): '" << t.text
                                << "' reaches past its round face";
                        }
                }
            }
            for (size_t i = 0; i < b.texts.size(); ++i)
                for (size_t j = i + 1; j < b.texts.size(); ++j) {
                    const LaidText &p = b.texts[i], &q = b.texts[j];
                    auto checked = [](const LaidText& t) {
                        return t.kind == "numeral" || t.kind == "ring" || t.kind == "title";
                    };
                    if (!checked(p) && !checked(q))
                        continue;
                    bool overlap = p.x0 < q.x1 && q.x0 < p.x1 && p.y0 < q.y1 && q.y0 < p.y1;
                    EXPECT_FALSE(overlap) << module << " bitmap " << id << " (" << b.gauge << "): '" << p.text
                                          << "' overlaps '" << q.text << "'";
                }
        }
    }
}

TEST(ArtLayout, RoundCardsFitTheWindowsTheyTurnIn)
{
    int cards = 0;
    each_module([&](const char*, auto& layout, Module& m) {
        each_element(m, [&](const GaugeEntry& g, ElementHeader*, ElementHeader* e) {
            auto it = layout.find(e->bitmap_id);
            if (e->kind != ElementKind::sprite || it == layout.end() || it->second.art != "compass_card")
                return;
            ++cards;
            double half_w = e->offset_x - e->x, half_h = e->offset_y - e->y;
            EXPECT_LE(it->second.round_r, std::min(half_w, half_h))
                << g.name() << ": card " << e->bitmap_id << " is clipped by its " << 2 * half_w << "x" << 2 * half_h
                << " window";
        });
    });
    EXPECT_EQ(cards, 2);   // the HSI's and the RMI's
}

// The pixels of a BMP file the art generator wrote.
Image read_bmp(const std::string& path)
{
    std::ifstream        in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_GT(bytes.size(), 54u) << path;
    auto image = decode_dib(std::span<const uint8_t>(bytes).subspan(std::min<size_t>(14, bytes.size())));
    EXPECT_TRUE(image.has_value()) << path;
    return image ? *image : Image{};
}

TEST(ArtLayout, NoCoverGlassDrawsOverARoundFace)
{
    for (const char* module : modules) {
        auto layout = read_layout(module);
        std::map<std::string, const LaidBitmap*> faces;
        for (const auto& [id, b] : layout)
            if (b.art == "dial" && b.round_r > 0)
                faces[b.gauge] = &b;
        for (const auto& [id, b] : layout) {
            auto face = faces.find(b.gauge);
            if (b.art != "glass" || face == faces.end())
                continue;
            Image glass = read_bmp(std::string(GAUGE_ART_DIR) + "/" + module + "/" + std::to_string(id) + ".bmp");
            int   drawn = 0;
            for (int y = 0; y < glass.height; ++y)
                for (int x = 0; x < glass.width; ++x)
                    if ((glass.at(x, y) & 0xFFFFFF) != 0 &&
                        std::hypot(x - face->second->round_x, y - face->second->round_y) < face->second->round_r)
                        ++drawn;
            EXPECT_EQ(drawn, 0) << module << ": the glass " << id << " of " << b.gauge << " covers its face";
        }
    }
}

TEST(ArtGeometry, ScaleMarksStandWhereTheHostPointsTheNeedle)
{
    int tables = 0;
    for (const char* module : modules) {
        SimulatedPanel host;
        Module&   m = host.load_module(module_path(module));
        each_element(m, [&](const GaugeEntry& g, ElementHeader*, ElementHeader* e) {
            if (e->kind != ElementKind::needle)
                return;
            auto* n = reinterpret_cast<Needle*>(e);
            if (n->table_count == 0)
                return;
            ++tables;
            artgen::ScaleRange r = artgen::live_range(n->table, n->table_count);
            double span = r.last - r.first;
            for (int i = -10; i <= 110; ++i) {
                double v    = r.first + span * i / 100.0;
                double ours = artgen::needle_angle(n->table, n->table_count, e->x, e->y, v);
                double host = aim_needle(n->table, n->table_count, e->x, e->y, v).angle;
                EXPECT_NEAR(std::remainder(ours - host, 2 * std::numbers::pi), 0.0, 1e-9)
                    << g.name() << " needle " << e->bitmap_id << " at " << v;
            }
        });
    }
    EXPECT_GT(tables, 30);
}

struct Pixels {
    int                   width = 0, height = 0;
    std::vector<uint32_t> argb;
    uint32_t at(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
};

Pixels picture_of(Gauge& g)
{
    std::string path = testing::TempDir() + "art_test_picture.png";
    render_png(g, path, 1.0);
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    Pixels           p{cairo_image_surface_get_width(s), cairo_image_surface_get_height(s), {}};
    int              stride = cairo_image_surface_get_stride(s);
    unsigned char*   data   = cairo_image_surface_get_data(s);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.argb.push_back(reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride)[x]);
    cairo_surface_destroy(s);
    std::filesystem::remove(path);
    return p;
}

// Elements set outside a round face on purpose (a knob in a corner) are left out: their pivot, or
// their box's centre, lies past the bezel.
TEST(ArtPictures, RoundFacesDrawNothingPastTheirBezelAtRestOrAtWork)
{
    for (const char* module : modules) {
        auto layout = read_layout(module);
        for (const auto& [id, b] : layout) {
            if (b.art != "dial" || b.round_r <= 0)
                continue;
            for (bool working : {false, true}) {
                SimulatedPanel host;
                Module&   m = host.load_module(module_path(module));
                Gauge&    g = working ? working_state::install(host, m, b.gauge) : host.add_gauge(m, b.gauge);
                if (!working) {
                    g.connect();
                    host.frame(1.0 / 18);
                }
                Image   face = *decode_dib(m.resource(id, RT_BITMAP));
                Pixels  pic  = picture_of(g);
                std::vector<std::array<double, 4>> exempt;
                for (const ElementState& s : g.elements()) {
                    const ElementHeader* e = s.element;
                    if (s.parent == nullptr || e->kind == ElementKind::string)
                        continue;
                    auto   bm = decode_dib(m.resource(e->bitmap_id + std::max(0, s.frame), RT_BITMAP));
                    double w = bm ? bm->width : 0, h = bm ? bm->height : 0;
                    double rx = e->kind == ElementKind::needle ? e->x : e->x + w / 2;
                    double ry = e->kind == ElementKind::needle ? e->y : e->y + h / 2;
                    if (std::hypot(rx - b.round_x, ry - b.round_y) > b.round_r)
                        exempt.push_back({e->x - w, e->y - h, e->x + w, e->y + h});
                }
                int strays = 0;
                for (int y = 0; y < pic.height; ++y)
                    for (int x = 0; x < pic.width; ++x) {
                        if (std::hypot(x + 0.5 - b.round_x, y + 0.5 - b.round_y) < b.round_r + 1.5)
                            continue;
                        bool skip = false;
                        for (auto& r : exempt)
                            skip = skip || (x >= r[0] && x < r[2] && y >= r[1] && y < r[3]);
                        if (!skip && (pic.at(x, y) & 0xFFFFFF) != (face.at(x, y) & 0xFFFFFF))
                            ++strays;
                    }
                EXPECT_EQ(strays, 0) << module << "!" << b.gauge << (working ? " at work" : " at rest")
                                     << ": pixels drawn past the bezel";
            }
        }
    }
}

// At rest no needle lies over a numeral of its round face's scale: the pilot reads where it rests.
TEST(ArtPictures, NoNeedleCoversANumeralAtRest)
{
    int faces = 0;
    for (const char* module : modules) {
        auto layout = read_layout(module);
        for (const auto& [id, b] : layout) {
            if (b.art != "dial" || b.round_r <= 0)
                continue;
            SimulatedPanel host;
            Module&        m = host.load_module(module_path(module));
            Gauge&         g = host.add_gauge(m, b.gauge);
            g.connect();
            host.frame(1.0 / 18);
            if (g.elements().front().element->bitmap_id != id)
                continue;
            ++faces;
            for (const ElementState& s : g.elements()) {
                const ElementHeader* e = s.element;
                auto                 nb = layout.find(e->bitmap_id);
                if (e->kind != ElementKind::needle || reinterpret_cast<const Needle*>(e)->table_count == 0 ||
                    nb == layout.end() || nb->second.art != "needle")
                    continue;
                // The blade from the pivot to the bitmap's far end, a few pixels wide.
                double len = nb->second.width - e->offset_x, c = std::cos(s.needle_angle), sn = std::sin(s.needle_angle);
                for (const LaidText& t : b.texts) {
                    if (t.kind != "numeral")
                        continue;
                    bool covered = false;
                    for (double d = 0; d <= len && !covered; d += 1) {
                        double x = e->x + d * c, y = e->y + d * sn;
                        covered = x > t.x0 - 1 && x < t.x1 + 1 && y > t.y0 - 1 && y < t.y1 + 1;
                    }
                    EXPECT_FALSE(covered) << module << "!" << b.gauge << ": needle " << e->bitmap_id << " covers '"
                                          << t.text << "' at rest";
                }
            }
        }
    }
    EXPECT_GT(faces, 15);
}

// What a radio's digits show at work, in background pixels: digits and decimal points printed on
// the face or drawn in the frames and drums the host shows, and the windows they sit in.
struct Readout {
    std::vector<LaidText> marks;     // digits and points
    std::vector<LaidText> windows;
};

Readout readout_of(const std::map<unsigned, LaidBitmap>& layout, Gauge& g)
{
    Readout r;
    auto take = [&](unsigned id, double dx, double dy, double clip_top, double clip_bottom) {
        auto it = layout.find(id);
        if (it == layout.end())
            return;
        for (LaidText t : it->second.texts) {
            t.x0 += dx, t.x1 += dx, t.y0 += dy, t.y1 += dy;
            if (t.y0 < clip_top - 0.5 || t.y1 > clip_bottom + 0.5)
                continue;   // outside what the host shows of a drum
            if (t.kind == "digit" || t.kind == "point")
                r.marks.push_back(t);
            else if (t.kind == "window")
                r.windows.push_back(t);
        }
    };
    for (const ElementState& s : g.elements()) {
        const ElementHeader* e = s.element;
        if (s.hidden)
            continue;
        if (s.parent == nullptr)
            take(e->bitmap_id, 0, 0, 0, g.height());
        else if (e->kind == ElementKind::icon && s.frame >= 0)
            take(e->bitmap_id + s.frame, e->x, e->y, 0, g.height());
        else if (e->kind == ElementKind::moving_image) {
            // As the host slides it: the range over the bitmap's height less what shows.
            auto* m  = reinterpret_cast<const MovingImage*>(e);
            auto  it = layout.find(e->bitmap_id);
            if (it == layout.end())
                continue;
            double ih = it->second.height, vh = std::min<double>(ih, g.height() - e->y);
            double f  = m->y_max == m->y_min ? 0 : std::clamp((s.value[1] - m->y_min) / (m->y_max - m->y_min), 0.0, 1.0);
            take(e->bitmap_id, e->x, e->y - f * (ih - vh), e->y, e->y + vh);
        }
    }
    std::sort(r.marks.begin(), r.marks.end(), [](const LaidText& a, const LaidText& b) { return a.x0 < b.x0; });
    return r;
}

// The radios that show their frequency or code with pictures: at work each reads its number left to
// right, digits apart and level, each inside a window, the decimal point between the right digits
// and low in the line.
TEST(ArtRadios, DigitsReadInLineInsideTheirWindowsWithTheDecimalPoint)
{
    struct Case {
        const char* module;
        const char* gauge;
        const char* reads;
    };
    const Case cases[] = {
        {"Stelvar_Instr", "Radio_COM1", "123.950"},
        {"Stelvar_Instr", "Radio_NAV1", "110.90"},
        {"Stelvar_Instr", "Radio_NAV2", "111.30"},
        {"Stelvar_Instr", "Radio_IFF_XPDR", "001200"},   // the printed MODE 1 digits, then the code
    };
    for (const Case& c : cases) {
        auto           layout = read_layout(c.module);
        SimulatedPanel host;
        Module&        m = host.load_module(module_path(c.module));
        Gauge&         g = working_state::install(host, m, c.gauge);
        Readout        r = readout_of(layout, g);
        std::string    read;
        for (const LaidText& t : r.marks)
            read += t.text;
        EXPECT_EQ(read, c.reads) << c.gauge;
        double top = 1e9, bottom = -1e9;
        for (const LaidText& t : r.marks)
            if (t.kind == "digit")
                top = std::min(top, (t.y0 + t.y1) / 2), bottom = std::max(bottom, (t.y0 + t.y1) / 2);
        EXPECT_LE(bottom - top, 2.0) << c.gauge << ": digits out of line";
        for (size_t i = 0; i + 1 < r.marks.size(); ++i)
            EXPECT_LE(r.marks[i].x1, r.marks[i + 1].x0 + 0.01)
                << c.gauge << ": '" << r.marks[i].text << "' runs into '" << r.marks[i + 1].text << "'";
        for (size_t i = 0; i < r.marks.size(); ++i) {
            const LaidText& t = r.marks[i];
            if (t.kind == "point") {
                ASSERT_TRUE(i > 0 && i + 1 < r.marks.size()) << c.gauge << ": a point at the end";
                const LaidText& before = r.marks[i - 1];
                EXPECT_GT((t.y0 + t.y1) / 2, (before.y0 + before.y1) / 2) << c.gauge << ": the point stands high";
                EXPECT_LE(t.y1, before.y1 + 2) << c.gauge << ": the point hangs below the digits";
                continue;
            }
            bool inside = false;
            for (const LaidText& w : r.windows)
                inside = inside || (t.x0 >= w.x0 - 0.5 && t.x1 <= w.x1 + 0.5 && t.y0 >= w.y0 - 0.5 && t.y1 <= w.y1 + 0.5);
            EXPECT_TRUE(inside) << c.gauge << ": '" << t.text << "' at " << t.x0 << "," << t.y0 << " is in no window";
        }
    }
}

// The attack aircraft's ADF prints one ring per band about its pointer's pivot: tuned to a numbered
// frequency of any band, the host points the needle at that numeral.
TEST(ArtRadios, TheAdfPointerPointsAtTheTunedFrequencyOnItsBandsRing)
{
    auto layout = read_layout("Stelvar_Instr");
    // Three BCD digits of whole kHz; the thousand is the second word's 256.
    const struct {
        int32_t     bcd, extended;
        const char* numeral;
    } tuned[] = {{0x300, 0, "300"},     {0x400, 0, "400"},       {0x500, 0, "500"},
                 {0x800, 0, "800"},     {0x000, 256, "1000"},    {0x600, 256, "1600"}};
    for (const auto& t : tuned) {
        SimulatedPanel host;
        Module&        m = host.load_module(module_path("Stelvar_Instr"));
        host.sim().set_integer(token::adf_whole, t.bcd);
        host.sim().set_integer(token::adf_extended, t.extended);
        Gauge& g = host.add_gauge(m, "Radio_ADF");
        g.connect();
        host.frame(1.0 / 18);
        const ElementState* pointer = nullptr;
        for (const ElementState& s : g.elements())
            if (s.element->kind == ElementKind::needle && s.element->bitmap_id == 290)
                pointer = &s;
        ASSERT_NE(pointer, nullptr);
        const LaidBitmap& face  = layout.at(g.elements().front().element->bitmap_id);
        int               found = 0;
        for (const LaidText& n : face.texts) {
            if (n.kind != "numeral" || n.text != t.numeral)
                continue;
            ++found;
            double at = std::atan2((n.y0 + n.y1) / 2 - pointer->element->y, (n.x0 + n.x1) / 2 - pointer->element->x);
            EXPECT_NEAR(std::remainder(at - pointer->needle_angle, 2 * std::numbers::pi), 0.0, 0.03)
                << "tuned to " << t.numeral << " kHz the pointer misses its numeral";
        }
        EXPECT_EQ(found, 1) << t.numeral << " kHz is not printed once";
    }
}

// The host fits a text window's characters to its whole width: the recess the face draws round it
// leaves a margin each side, so that no character touches the frame.
TEST(ArtRadios, TextWindowsLeaveAMarginAroundTheirText)
{
    int windows = 0;
    each_module([&](const char* module, auto& layout, Module& m) {
        each_element(m, [&](const GaugeEntry& g, ElementHeader* root, ElementHeader* e) {
            if (e->kind != ElementKind::string)
                return;
            auto* str = reinterpret_cast<const String*>(e);
            const LaidBitmap& face = layout[root->bitmap_id];
            if (str->background_colour != 0 || (e->x == 0 && str->box_width >= uint32_t(face.width)))
                return;   // the host paints its own box, or writes across a whole plate
            ++windows;
            bool framed = false;
            for (const LaidText& w : face.texts)
                framed = framed || (w.kind == "window" && w.x0 <= e->x - 2 && w.x1 >= e->x + str->box_width + 2 &&
                                    w.y0 <= e->y && w.y1 >= e->y + str->box_height);
            EXPECT_TRUE(framed) << module << "!" << g.name() << ": the text window at " << e->x << "," << e->y
                                << " has no recess with a margin";
        });
    });
    EXPECT_GE(windows, 8);
}

}  // namespace
