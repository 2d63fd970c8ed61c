// One gauge installed on the panel host: its life cycle, its element values, its mouse areas.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame/needle_geometry.h"
#include "host/core/module.h"
#include "host/core/mouse.h"

namespace host {

class PanelHost;

// What the host computed for one element at the last update.
struct ElementState {
    ElementHeader* element = nullptr;
    ElementHeader* parent  = nullptr;
    int            depth   = 0;
    int            index   = 0;        // position in the tree, depth first, background 0
    bool           hidden  = false;    // image flag 0x40000000
    double         value[3] = {};      // needle/icon/string value; slider, moving image and sprite axes
    int            frame   = -1;       // icons: the frame drawn, -1 none
    double         needle_angle = 0.0; // needles: the turn of the picture, radians, clockwise: toward the
                                       // aimed point for a picture drawn pointing right (with a table), or
                                       // the value in degrees for a picture drawn upright (without one)
    double         point_x = 0.0, point_y = 0.0;  // needles: the point the needle aims at
    std::string    text;               // strings: the text the gauge wrote
    std::vector<char> text_buffer;     // strings: the buffer handed to the gauge

    ElementKind kind() const { return element->kind; }
};

struct ClickResult {
    bool        hit = false;
    int         rect_index = -1;
    bool        accepted = false;     // the rectangle responds to this button
    std::string action;               // "callback", "event 0x...", or why nothing happened
};

class Gauge {
public:
    Gauge(PanelHost& host, Module& module, GaugeEntry entry, std::string parameters, std::string label);
    Gauge(const Gauge&)            = delete;
    Gauge& operator=(const Gauge&) = delete;
    ~Gauge();

    const std::string& label() const { return label_; }
    std::string        name() const { return entry_.name(); }
    Module&            module() const { return module_; }
    GaugeHeader*       header() const { return entry_.header; }
    uint32_t           version() const { return entry_.version(); }
    const std::string& parameters() const { return parameters_; }
    ElementHeader*     root() const { return entry_.header->elements ? entry_.header->elements[0] : nullptr; }

    // Life cycle. install() throws HostError when an element's bitmap is not in the module.
    void install();
    void connect();
    void update();      // one frame
    void disconnect();
    void remove();
    bool installed() const { return installed_; }
    bool connected() const { return connected_; }

    // Elements, depth first from the background; values as of the last update.
    const std::vector<ElementState>& elements() const { return elements_; }
    ElementState*                    state_of(const ElementHeader* element);
    int width() const { return width_; }
    int height() const { return height_; }

    // Mouse
    const MouseMap& mouse() const { return mouse_; }
    ClickResult     click_rect(int rect_index, uint32_t button);
    ClickResult     click_at(int x, int y, uint32_t button);
    std::optional<std::string> tooltip_at(int x, int y);

    // Element-list services (also what the version-610 routines forward to).
    void install_elements();
    void update_elements(bool refresh_sources);

private:
    void        call_gauge_callback(int32_t service, HostWord extra);
    ClickResult fire(int rect_index, int x, int y, uint32_t button);
    void        collect(ElementHeader* root);
    void        update_element(ElementState& state, bool refresh_sources);

    PanelHost&                host_;
    Module&                   module_;
    GaugeEntry                entry_;
    std::string               parameters_;
    std::string               label_;
    std::vector<ElementState> elements_;
    MouseMap                  mouse_;
    int                       width_ = 0, height_ = 0;
    bool                      installed_ = false;
    bool                      connected_ = false;
};

// Needle geometry: where a needle aims for a value, from its nonlinearity table.
using ::NeedleAim;
using ::aim_needle;

}  // namespace host
