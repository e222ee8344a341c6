/* Types into KWin on Wayland through its fake input protocol, as a remote input tool would.
 * It reads what to send from standard input, a line at a time, and answers each with "ok"
 * once KWin has taken every key of it:
 *   key <chord>     a key or chord in xdotool's spelling: Return, ctrl+n, alt+x
 *   type <text>     each character of the text as its own key (letters, digits, space)
 * Keys are evdev key codes of a US layout, the layout a fresh KWin starts with. The first
 * key of a new keyboard can be lost, so it starts with a lone Shift. */
#include "fake-input-client-protocol.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static struct org_kde_kwin_fake_input *fake_input;

static void global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                   uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fake_input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
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

static int key(struct wl_display *display, unsigned code, int pressed)
{
    org_kde_kwin_fake_input_keyboard_key(fake_input, code, pressed);
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
            fprintf(stderr, "kwinkeys: no key for '%s'\n", name);
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
        fprintf(stderr, "kwinkeys: cannot connect to the Wayland display\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!fake_input) {
        fprintf(stderr, "kwinkeys: the compositor offers no fake input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fake_input, "quadrel tests", "types a game's keys");
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
