// SPDX-License-Identifier: GPL-3.0-or-later
// The file writers: WAV for the effects, Ogg Vorbis for the tunes.
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

#include "zvukar.h"

namespace {

void slovo(std::ofstream& f, uint32_t v, int bajtu) {
    for (int i = 0; i < bajtu; ++i) f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void stranky(ogg_stream_state& os, std::ofstream& f, bool vse) {
    ogg_page og;
    while (vse ? ogg_stream_flush(&os, &og) : ogg_stream_pageout(&os, &og)) {
        f.write(reinterpret_cast<const char*>(og.header), og.header_len);
        f.write(reinterpret_cast<const char*>(og.body), og.body_len);
    }
}

}  // namespace

bool ulozWav(const Stopa& s, const std::string& cesta) {
    std::ofstream f(cesta, std::ios::binary);
    const uint32_t data = static_cast<uint32_t>(s.size() * 2);
    f.write("RIFF", 4);
    slovo(f, 36 + data, 4);
    f.write("WAVEfmt ", 8);
    slovo(f, 16, 4);
    slovo(f, 1, 2);  // PCM
    slovo(f, 1, 2);  // mono
    slovo(f, kVzorkovani, 4);
    slovo(f, kVzorkovani * 2, 4);
    slovo(f, 2, 2);
    slovo(f, 16, 2);
    f.write("data", 4);
    slovo(f, data, 4);
    for (float v : s) {
        const long x = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0);
        slovo(f, static_cast<uint32_t>(static_cast<int16_t>(x)) & 0xFFFF, 2);
    }
    f.close();
    return !f.fail();
}

bool ulozOgg(const Stopa& s, const std::string& cesta, double kvalita) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 1, kVzorkovani, static_cast<float>(kvalita)) != 0) {
        vorbis_info_clear(&vi);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "zvukar (Grondelvik)");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x47524E44);  // a fixed serial: the same file every build

    std::ofstream f(cesta, std::ios::binary);
    ogg_packet hlavicka, komentar, kody;
    vorbis_analysis_headerout(&vd, &vc, &hlavicka, &komentar, &kody);
    ogg_stream_packetin(&os, &hlavicka);
    ogg_stream_packetin(&os, &komentar);
    ogg_stream_packetin(&os, &kody);
    stranky(os, f, true);

    constexpr size_t kDavka = 1024;
    for (size_t od = 0;; od += kDavka) {
        const size_t n = od < s.size() ? std::min(kDavka, s.size() - od) : 0;
        if (n) {
            float** buf = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            std::memcpy(buf[0], s.data() + od, n * sizeof(float));
        }
        vorbis_analysis_wrote(&vd, static_cast<int>(n));  // 0: the end
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                stranky(os, f, false);
            }
        }
        if (!n) break;
    }
    stranky(os, f, true);
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    f.close();
    return !f.fail();
}
