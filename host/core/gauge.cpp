#include "host/core/gauge.h"

#include "frame/element_tree.h"

#include <cmath>
#include <cstring>
#include <numbers>

#include "host/core/bitmap.h"
#include "host/core/panel_host.h"

namespace host {
namespace {

// Makes the gauge the source of whatever its code does until the scope ends.
class Active {
public:
    Active(PanelHost& host, Gauge* gauge) : host_(host), previous_(host.active_gauge()) { host.set_active(gauge); }
    ~Active() { host_.set_active(previous_); }
    Active(const Active&)            = delete;
    Active& operator=(const Active&) = delete;

private:
    PanelHost& host_;
    Gauge*     previous_;
};

GaugeHeader610* as_610(GaugeHeader* header) { return reinterpret_cast<GaugeHeader610*>(header); }

}  // namespace

Gauge::Gauge(PanelHost& host, Module& module, GaugeEntry entry, std::string parameters, std::string label)
    : host_(host), module_(module), entry_(entry), parameters_(std::move(parameters)), label_(std::move(label))
{
}

Gauge::~Gauge()
{
    // Text buffers belong to the host; the module's records must not keep pointing at them.
    for (ElementState& s : elements_)
        if (s.kind() == ElementKind::string)
            reinterpret_cast<String*>(s.element)->text = nullptr;
    if (version() == gauge_header_version_800 && entry_.header->parameters == parameters_.c_str())
        entry_.header->parameters = nullptr;
}

ElementState* Gauge::state_of(const ElementHeader* element)
{
    for (ElementState& s : elements_)
        if (s.element == element)
            return &s;
    return nullptr;
}

void Gauge::call_gauge_callback(int32_t service, HostWord extra)
{
    if (entry_.header->callback == nullptr)
        return;
    Active active(host_, this);
    entry_.header->callback(entry_.header, service, extra);
    host_.raise_deferred();
}

void Gauge::install()
{
    if (installed_)
        throw HostError("gauge '" + label_ + "' is already installed");
    if (version() == gauge_header_version_800) {
        entry_.header->parameters = parameters_.empty() ? nullptr : parameters_.c_str();
        call_gauge_callback(service_pre_install, module_.instance());
        install_elements();
    } else if (version() == gauge_header_version_610) {
        GaugeHeader610* h = as_610(entry_.header);
        if (h->query == nullptr || h->install == nullptr || h->initialize == nullptr || h->update == nullptr ||
            h->draw == nullptr || h->kill == nullptr)
            throw HostError("gauge '" + label_ + "' (header version 610) lacks one of its routines");
        Active active(host_, this);
        // The element-list services look the gauge up by its first element.
        elements_.clear();
        h->query();
        host_.raise_deferred();
        uint32_t ok = h->install(module_.instance());
        host_.raise_deferred();
        if (ok == 0 || elements_.empty())
            throw HostError("gauge '" + label_ + "' failed to install its elements");
        h->initialize();
        host_.raise_deferred();
    } else {
        throw HostError("gauge '" + label_ + "' has unknown header version " + std::to_string(version()));
    }
    mouse_ = MouseMap::read(entry_.header->mouse_rects, width_, height_);
    installed_ = true;
}

void Gauge::collect(ElementHeader* root)
{
    const bool whole = walk_elements(root, [&](ElementHeader* element, ElementHeader* parent, int depth) {
        ElementState s;
        s.element = element;
        s.parent  = parent;
        s.depth   = depth;
        s.index   = static_cast<int>(elements_.size());
        elements_.push_back(std::move(s));
    });
    if (!whole)
        throw HostError("gauge '" + label_ + "': element tree deeper than " + std::to_string(element_depth_limit));
}

void Gauge::install_elements()
{
    elements_.clear();
    ElementHeader* first = root();
    if (first == nullptr)
        throw HostError("gauge '" + label_ + "' has no elements");
    collect(first);
    for (ElementState& s : elements_) {
        ElementHeader* e = s.element;
        if (e->gauge == nullptr)
            e->gauge = entry_.header;
        std::string where = "gauge '" + label_ + "': element " + std::to_string(s.index) + " (" + element_kind_name(e->kind) + ")";
        if (static_cast<uint32_t>(e->kind) > static_cast<uint32_t>(ElementKind::sprite))
            throw HostError(where + " has unknown kind " + std::to_string(static_cast<uint32_t>(e->kind)));
        if (e->kind == ElementKind::string) {
            auto* str = reinterpret_cast<String*>(e);
            s.text_buffer.assign(std::max<uint32_t>(str->char_count, 1) + 1, '\0');
            str->text = s.text_buffer.data();
            continue;
        }
        uint32_t frames = 1;
        if (e->kind == ElementKind::icon) {
            // Version-610 icons have the same frame count field.
            frames = reinterpret_cast<Icon*>(e)->frame_count;
        }
        for (uint32_t f = 0; f < frames; ++f) {
            if (!module_.has_bitmap(e->bitmap_id + f)) {
                std::string what = frames > 1 ? " frame " + std::to_string(f) : "";
                throw HostError(where + ": bitmap " + std::to_string(e->bitmap_id + f) + what +
                                " is not among the resources of module '" + module_.name() + "'");
            }
        }
    }
    auto size = bitmap_size(module_.resource(first->bitmap_id, RT_BITMAP));
    if (!size)
        throw HostError("gauge '" + label_ + "': background bitmap " + std::to_string(first->bitmap_id) +
                        " is not a bitmap the host can read");
    width_  = size->first;
    height_ = size->second;
}

void Gauge::connect()
{
    if (!installed_)
        throw HostError("gauge '" + label_ + "' is not installed");
    if (connected_)
        return;
    if (version() == gauge_header_version_800)
        call_gauge_callback(service_connect, 0);
    connected_ = true;
}

void Gauge::update()
{
    if (version() == gauge_header_version_800) {
        call_gauge_callback(service_pre_update, 0);
        update_elements(true);
        return;
    }
    GaugeHeader610* h = as_610(entry_.header);
    Active          active(host_, this);
    h->update();
    host_.raise_deferred();
    if (h->generate)
        h->generate(0);
    host_.raise_deferred();
    h->draw();
    host_.raise_deferred();
}

void Gauge::disconnect()
{
    if (!connected_)
        return;
    if (version() == gauge_header_version_800)
        call_gauge_callback(service_disconnect, 0);
    connected_ = false;
}

void Gauge::remove()
{
    if (!installed_)
        return;
    if (version() == gauge_header_version_800) {
        call_gauge_callback(service_pre_kill, 0);
        // The text belongs to this gauge; the shared record must not keep pointing at it.
        entry_.header->parameters = nullptr;
    } else {
        Active active(host_, this);
        as_610(entry_.header)->kill();
        host_.raise_deferred();
    }
    installed_ = false;
}

void Gauge::update_elements(bool refresh_sources)
{
    Active active(host_, this);
    for (ElementState& s : elements_)
        update_element(s, refresh_sources);
}

void Gauge::update_element(ElementState& s, bool refresh)
{
    ElementHeader* e    = s.element;
    SimState&      sim  = host_.sim();
    auto           read = [&](ModuleVar& v) -> double {
        if (refresh && v.token != 0)
            host_.services()->lookup_var(&v);
        return v.value.f64;
    };
    auto value_of = [&](element_update_callback cb, ModuleVar& source) {
        double v = read(source);
        return cb ? cb(e) : v;
    };
    (void)sim;
    switch (e->kind) {
    case ElementKind::static_image:
        break;
    case ElementKind::needle: {
        auto* n    = reinterpret_cast<Needle*>(e);
        s.value[0] = value_of(n->callback, n->source);
        if (n->table == nullptr || n->table_count == 0) {
            // Without a table the value is a turn in degrees, clockwise from the picture as drawn.
            s.needle_angle = s.value[0] * std::numbers::pi / 180.0;
            s.point_x      = e->x;
            s.point_y      = e->y;
            break;
        }
        NeedleAim aim  = aim_needle(n->table, n->table_count, e->x, e->y, s.value[0]);
        s.needle_angle = aim.angle;
        s.point_x      = aim.x;
        s.point_y      = aim.y;
        break;
    }
    case ElementKind::string: {
        auto* str = reinterpret_cast<String*>(e);
        for (ModuleVar& v : str->sources)
            read(v);
        s.value[0] = str->callback ? str->callback(e) : str->sources[0].value.f64;
        s.text.assign(s.text_buffer.data(), strnlen(s.text_buffer.data(), s.text_buffer.size()));
        break;
    }
    case ElementKind::slider: {
        auto* sl   = reinterpret_cast<Slider*>(e);
        s.value[0] = value_of(sl->x_callback, sl->x_source);
        s.value[1] = value_of(sl->y_callback, sl->y_source);
        break;
    }
    case ElementKind::icon: {
        double   v;
        uint32_t frames;
        if (version() == gauge_header_version_610) {
            auto* ic = reinterpret_cast<Icon610*>(e);
            v        = read(ic->source);
            frames   = ic->frame_count;
        } else {
            auto* ic = reinterpret_cast<Icon*>(e);
            v        = value_of(ic->callback, ic->source);
            frames   = ic->frame_count;
        }
        s.value[0] = v;
        // A value outside the frames (negative, such as -1, or past the last) draws nothing.
        if (!(v >= 0.0) || !(v < frames))
            s.frame = -1;
        else
            s.frame = static_cast<int>(std::floor(v));
        break;
    }
    case ElementKind::moving_image: {
        auto* m    = reinterpret_cast<MovingImage*>(e);
        s.value[0] = value_of(m->x_callback, m->x_source);
        s.value[1] = value_of(m->y_callback, m->y_source);
        break;
    }
    case ElementKind::sprite: {
        auto* sp   = reinterpret_cast<Sprite*>(e);
        s.value[0] = value_of(sp->x_callback, sp->x_source);
        s.value[1] = value_of(sp->y_callback, sp->y_source);
        s.value[2] = value_of(sp->angle_callback, sp->angle_source);
        break;
    }
    }
    s.hidden = (e->image_flags & IMAGE_FLAGS_HIDDEN) != 0;
}

ClickResult Gauge::fire(int rect_index, int x, int y, uint32_t button)
{
    ClickResult      result;
    const MouseArea* area = mouse_.at_index(rect_index);
    if (area == nullptr || !acts_on_click(*area->rect)) {
        result.action = "no clickable rectangle " + std::to_string(rect_index);
        return result;
    }
    result.hit        = true;
    result.rect_index = rect_index;
    const MouseRect& r = *area->rect;
    if ((r.mouse_flags & button) == 0) {
        result.action = "rectangle " + std::to_string(rect_index) + " ignores this button";
        return result;
    }
    result.accepted = true;
    if (r.event_id != 0) {
        result.action = "event " + id_text(IdKind::event, r.event_id);
        Active active(host_, nullptr);
        host_.services()->trigger_key_event(r.event_id, 0);
        return result;
    }
    result.action = "callback";
    MouseClick click{x, y, entry_.header};
    Active     active(host_, this);
    r.action.callback(&click, button);
    host_.raise_deferred();
    return result;
}

ClickResult Gauge::click_rect(int rect_index, uint32_t button)
{
    const MouseArea* area = mouse_.at_index(rect_index);
    int x = area ? area->box.x + area->box.width / 2 : 0;
    int y = area ? area->box.y + area->box.height / 2 : 0;
    return fire(rect_index, x, y, button);
}

ClickResult Gauge::click_at(int x, int y, uint32_t button)
{
    const MouseArea* area = mouse_.hit(x, y);
    if (area == nullptr) {
        ClickResult r;
        r.action = "nothing at " + std::to_string(x) + "," + std::to_string(y);
        return r;
    }
    return fire(area->index, x, y, button);
}

std::optional<std::string> Gauge::tooltip_at(int x, int y)
{
    const MouseArea* area = mouse_.tooltip(x, y);
    if (area == nullptr)
        return std::nullopt;
    const MouseRect& r = *area->rect;
    if (r.help_id != 0)
        return "host help topic " + id_text(IdKind::help, r.help_id);
    if (r.action.text == nullptr)
        return std::nullopt;
    std::vector<double> args;
    if (r.arg_count != 0 && r.args != nullptr) {
        Active active(host_, this);
        for (uint32_t i = 0; i < r.arg_count && i < 9; ++i) {
            TooltipHostArgs host_args{};
            args.push_back(r.args[i].callback ? r.args[i].callback(host_args) : 0.0);
        }
    }
    return format_tooltip(r.action.text, args);
}

}  // namespace host
