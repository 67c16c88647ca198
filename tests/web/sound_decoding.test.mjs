// The page's sound decoding (web/sound_decoding.js) in Debian's Chromium: given the data
// package's Ogg tunes and effects in a file system, it writes each as a WAV the program can
// load (mono, 16-bit, at the file's own rate, as long as the sound) before it lets the page
// offer the start; a file the browser cannot decode is left out without holding the start
// back.
//
// Environment: ZANDREL_NATIVE_BUILD (a native build whose data holds the tunes and effects).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

const nativeBuild = path.resolve(process.env.ZANDREL_NATIVE_BUILD || 'build');
const here = path.dirname(new URL(import.meta.url).pathname);
const script = fs.readFileSync(path.join(here, '../../web/sound_decoding.js'), 'utf8');
const musicDir = path.join(nativeBuild, 'data/music');

let browser;
before(async () => {
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
});
after(async () => { if (browser) await browser.close(); });

// The samples in an Ogg Vorbis file: the last page's granule position.
function oggLength(bytes) {
  const last = bytes.lastIndexOf(Buffer.from('OggS'));
  return Number(bytes.readBigInt64LE(last + 6));
}

test('each tune and effect becomes a WAV beside its Ogg before the page may start the program', async () => {
  const oggs = {};  // path in the page's file system -> the Ogg file here
  for (const name of fs.readdirSync(musicDir).filter(name => name.endsWith('.ogg'))) {
    oggs[`/zandrel/data/music/${name}`] = path.join(musicDir, name);
  }
  assert.ok(Object.keys(oggs).length >= 7, `tunes in ${musicDir}`);
  // An effect as the browser build ships it: its 44100 Hz WAV encoded as Ogg.
  const effect = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'zandrel-sfx-')), '001.ogg');
  execFileSync('sox', [path.join(nativeBuild, 'data/sfx/001.wav'), '-C', '4', effect]);
  oggs['/zandrel/data/sfx/001.ogg'] = effect;
  const files = Object.fromEntries(Object.entries(oggs).map(([name, file]) => [name, [...fs.readFileSync(file)]]));
  files['/zandrel/data/music/broken.ogg'] = [1, 2, 3];
  const page = await browser.newPage();
  await page.setContent('<html><body></body></html>');
  const result = await page.evaluate(async ({ files, script }) => {
    const written = {};
    window.FS = {
      readdir: dir => ['.', '..', ...Object.keys(files).filter(name => name.startsWith(dir + '/'))
        .map(name => name.slice(dir.length + 1))],
      readFile: file => new Uint8Array(files[file]),
      writeFile: (file, data) => { written[file] = data; },
    };
    let readyWith = null;
    window.Module = { onRuntimeInitialized: () => { readyWith = Object.keys(written).sort(); } };
    (0, eval)(script);
    Module.onRuntimeInitialized();
    const started = Date.now();
    while (readyWith === null && Date.now() - started < 20000) await new Promise(r => setTimeout(r, 50));
    const wavs = {};
    for (const [name, data] of Object.entries(written)) {
      const view = new DataView(data.buffer);
      wavs[name] = { riff: String.fromCharCode(...data.slice(0, 4)), channels: view.getUint16(22, true),
                     rate: view.getUint32(24, true), bits: view.getUint16(34, true),
                     frames: view.getUint32(40, true) / 2, bytes: data.length };
    }
    return { readyWith, wavs };
  }, { files, script });
  await page.close();

  assert.deepEqual(result.readyWith, Object.keys(oggs).map(name => name.replace('.ogg', '.wav')).sort(),
                   'every sound written before the page is told the program is ready; the broken file left out');
  for (const [name, file] of Object.entries(oggs)) {
    const wav = result.wavs[name.replace('.ogg', '.wav')];
    assert.equal(wav.riff, 'RIFF');
    assert.equal(wav.channels, 1);
    assert.equal(wav.rate, name.includes('/sfx/') ? 44100 : 22050, `${name}: at its own rate`);
    assert.equal(wav.bits, 16);
    assert.equal(wav.bytes, 44 + 2 * wav.frames);
    // Chromium's decoder may end sox's encoding of an effect up to one Vorbis block (256
    // samples, 6 ms) early; the tunes, from our own encoder, come back exact.
    const slack = name.includes('/sfx/') ? 256 : 0;
    const missing = oggLength(fs.readFileSync(file)) - wav.frames;
    assert.ok(missing >= 0 && missing <= slack, `${name}: as long as the sound (${missing} samples short)`);
  }
});
