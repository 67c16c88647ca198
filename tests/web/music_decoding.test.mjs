// The page's music decoding (web/music_decoding.js) in Debian's Chromium: given the data
// package's Ogg tunes in a file system, it writes each as a WAV the program can load (mono,
// 16-bit, 22050 Hz, as long as the tune) before it lets the page offer the start; a file
// the browser cannot decode is left out without holding the start back.
//
// Environment: ZANDREL_NATIVE_BUILD (a native build whose data/music holds the tunes).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { chromium } from 'playwright-core';

const nativeBuild = path.resolve(process.env.ZANDREL_NATIVE_BUILD || 'build');
const here = path.dirname(new URL(import.meta.url).pathname);
const script = fs.readFileSync(path.join(here, '../../web/music_decoding.js'), 'utf8');
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

test('each tune becomes a WAV beside its Ogg before the page may start the program', async () => {
  const names = fs.readdirSync(musicDir).filter(name => name.endsWith('.ogg'));
  assert.ok(names.length >= 7, `tunes in ${musicDir}`);
  const files = Object.fromEntries(names.map(name => [name, [...fs.readFileSync(path.join(musicDir, name))]]));
  files['broken.ogg'] = [1, 2, 3];
  const page = await browser.newPage();
  await page.setContent('<html><body></body></html>');
  const result = await page.evaluate(async ({ files, script }) => {
    const folder = '/zandrel/data/music/';
    const written = {};
    window.FS = {
      readdir: dir => ['.', '..', ...Object.keys(files)],
      readFile: file => new Uint8Array(files[file.slice(folder.length)]),
      writeFile: (file, data) => { written[file.slice(folder.length)] = data; },
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

  assert.deepEqual(result.readyWith, names.map(name => name.replace('.ogg', '.wav')).sort(),
                   'every tune written before the page is told the program is ready; the broken file left out');
  for (const name of names) {
    const wav = result.wavs[name.replace('.ogg', '.wav')];
    assert.equal(wav.riff, 'RIFF');
    assert.equal(wav.channels, 1);
    assert.equal(wav.rate, 22050);
    assert.equal(wav.bits, 16);
    assert.equal(wav.bytes, 44 + 2 * wav.frames);
    const expected = oggLength(fs.readFileSync(path.join(musicDir, name)));
    assert.equal(wav.frames, expected, `${name}: as long as the tune`);
  }
});
