/* Types into a Wayland compositor as a remote input tool would, through one keyboard kept for
 * the whole run: KWin's fake input protocol, or the virtual keyboard that sway offers (a new
 * virtual keyboard for every burst of keys loses keys when the bursts come quickly).
 * It reads what to send from standard input, a line at a time, and answers each with "ok"
 * once the compositor has taken every key of it:
 *   key <chord>     a key or chord in xdotool's spelling: Return, ctrl+n, alt+x
 *   type <text>     each character of the text as its own key (letters, digits, space)
 * Keys are evdev key codes of a US layout, the layout a fresh KWin starts with and the one
 * the virtual keyboard is given. The first key of a new keyboard can be lost, so it starts
 * with a lone Shift. */
#define _GNU_SOURCE
#include "fake-input-client-protocol.h"
#include "virtual-keyboard-client-protocol.h"

#include <ctype.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>

static struct org_kde_kwin_fake_input *fake_input;
static struct wl_seat *seat;
static struct zwp_virtual_keyboard_manager_v1 *keyboard_manager;
static struct zwp_virtual_keyboard_v1 *virtual_keyboard;
/* A virtual keyboard tells the compositor its modifiers itself. */
static uint32_t modifiers;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                   uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fake_input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
    else if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        keyboard_manager =
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
}

static void global_remove(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

static const struct wl_registry_listener registry_listener = { global, global_remove };

struct named_key {
    const char *name;
    unsigned code;
};

static const struct named_key named_keys[] = {
    { "ctrl", 29 },  { "alt", 56 },     { "shift", 42 },     { "Shift_L", 42 }, { "Return", 28 },
    { "Escape", 1 }, { "Tab", 15 },     { "BackSpace", 14 }, { "space", 57 },
};

/* Rows of a US keyboard: the key codes run on along each row. */
static const struct {
    const char *keys;
    unsigned first;
} rows[] = { { "1234567890", 2 }, { "qwertyuiop", 16 }, { "asdfghjkl", 30 }, { "zxcvbnm", 44 } };

static unsigned code_of(const char *name)
{
    for (size_t i = 0; i < sizeof named_keys / sizeof *named_keys; ++i) {
        if (strcmp(named_keys[i].name, name) == 0)
            return named_keys[i].code;
    }
    if (strlen(name) == 1) {
        if (name[0] == ' ')
            return 57;
        for (size_t row = 0; row < sizeof rows / sizeof *rows; ++row) {
            const char *at = strchr(rows[row].keys, tolower((unsigned char)name[0]));
            if (at)
                return rows[row].first + (unsigned)(at - rows[row].keys);
        }
    }
    return 0;
}

/* The compositor compiles the virtual keyboard's layout from its own XKB data. */
static const char us_keymap[] = "xkb_keymap {\n"
                                "    xkb_keycodes { include \"evdev+aliases(qwerty)\" };\n"
                                "    xkb_types { include \"complete\" };\n"
                                "    xkb_compat { include \"complete\" };\n"
                                "    xkb_symbols { include \"pc+us+inet(evdev)\" };\n"
                                "};\n";

static int start_virtual_keyboard(void)
{
    virtual_keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboard_manager, seat);
    int fd = memfd_create("us-keymap", MFD_CLOEXEC);
    int written = fd >= 0 && write(fd, us_keymap, sizeof us_keymap) == (ssize_t)sizeof us_keymap;
    if (written)
        zwp_virtual_keyboard_v1_keymap(virtual_keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                                       sizeof us_keymap);
    else
        perror("waylandkeys: keymap");
    if (fd >= 0)
        close(fd);
    return written;
}

/* The real modifiers' bits, which XKB numbers the same in every keymap. */
static uint32_t modifier_bit(unsigned code)
{
    switch (code) {
    case 42: return 1u << 0; /* Shift */
    case 29: return 1u << 2; /* Control */
    case 56: return 1u << 3; /* Mod1, Alt */
    default: return 0;
    }
}

static uint32_t milliseconds(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (uint32_t)(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

static int key(struct wl_display *display, unsigned code, int pressed)
{
    if (fake_input) {
        org_kde_kwin_fake_input_keyboard_key(fake_input, code, pressed);
    } else {
        zwp_virtual_keyboard_v1_key(virtual_keyboard, milliseconds(), code, pressed);
        uint32_t bit = modifier_bit(code);
        if (bit) {
            modifiers = pressed ? modifiers | bit : modifiers & ~bit;
            zwp_virtual_keyboard_v1_modifiers(virtual_keyboard, modifiers, 0, 0, 0);
        }
    }
    if (wl_display_roundtrip(display) < 0)
        return 0;
    /* as a typist's keys come, not all in one frame */
    nanosleep(&(struct timespec){ .tv_nsec = 15 * 1000 * 1000 }, NULL);
    return 1;
}

/* A chord such as ctrl+n: pressed in order, released in reverse. An upper-case letter is
 * typed with Shift. */
static int chord(struct wl_display *display, char *spelling)
{
    unsigned codes[8];
    int count = 0;
    for (char *name = strtok(spelling, "+"); name && count < 7; name = strtok(NULL, "+")) {
        if (strlen(name) == 1 && isupper((unsigned char)name[0]))
            codes[count++] = 42;
        if (!(codes[count++] = code_of(name))) {
            fprintf(stderr, "waylandkeys: no key for '%s'\n", name);
            return 0;
        }
    }
    for (int i = 0; i < count; ++i) {
        if (!key(display, codes[i], 1))
            return 0;
    }
    for (int i = count - 1; i >= 0; --i) {
        if (!key(display, codes[i], 0))
            return 0;
    }
    return 1;
}

int main(void)
{
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "waylandkeys: cannot connect to the Wayland display\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (fake_input) {
        org_kde_kwin_fake_input_authenticate(fake_input, "quadrel tests", "types a game's keys");
    } else if (!keyboard_manager || !seat) {
        fprintf(stderr, "waylandkeys: the compositor offers neither fake input nor a virtual keyboard\n");
        return 1;
    } else if (!start_virtual_keyboard()) {
        return 1;
    }
    char shift[] = "Shift_L";
    if (!chord(display, shift))
        return 1;

    char line[1024];
    while (fgets(line, sizeof line, stdin)) {
        line[strcspn(line, "\n")] = '\0';
        int sent = 0;
        if (strncmp(line, "key ", 4) == 0) {
            sent = chord(display, line + 4);
        } else if (strncmp(line, "type ", 5) == 0) {
            sent = 1;
            for (char *c = line + 5; *c && sent; ++c) {
                char one[2] = { *c, '\0' };
                sent = chord(display, one);
            }
        }
        if (!sent)
            return 1;
        printf("ok\n");
        fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
