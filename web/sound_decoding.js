// The program has no Vorbis decoder in the browser, but the browser has one. Once the data
// package is in and before the page lets the program start, each tune (data/music/NAME.ogg)
// and each sound effect (data/sfx/NNN.ogg, which the page gets as Ogg to download less) is
// decoded by the browser at its own rate and written beside it as a 16-bit mono WAV
// (NAME.wav), which the program loads. A browser that cannot decode a file leaves it out:
// the game plays on without that sound.
(function () {
  var SOUND_FOLDERS = ['/zandrel/data/music', '/zandrel/data/sfx'];

  function wavOf(samples, rate) {
    var bytes = new ArrayBuffer(44 + 2 * samples.length);
    var view = new DataView(bytes);
    var text = function (at, word) {
      for (var i = 0; i < 4; ++i) view.setUint8(at + i, word.charCodeAt(i));
    };
    text(0, 'RIFF');
    view.setUint32(4, 36 + 2 * samples.length, true);
    text(8, 'WAVE');
    text(12, 'fmt ');
    view.setUint32(16, 16, true);
    view.setUint16(20, 1, true);  // PCM
    view.setUint16(22, 1, true);  // mono
    view.setUint32(24, rate, true);
    view.setUint32(28, 2 * rate, true);
    view.setUint16(32, 2, true);
    view.setUint16(34, 16, true);
    text(36, 'data');
    view.setUint32(40, 2 * samples.length, true);
    for (var i = 0; i < samples.length; ++i) {
      var s = Math.max(-1, Math.min(1, samples[i]));
      view.setInt16(44 + 2 * i, Math.round(s * 32767), true);
    }
    return new Uint8Array(bytes);
  }

  // The sample rate of a Vorbis stream, from its identification header ("\x01vorbis",
  // a version, the channel count, then the rate), which opens the file's first page.
  function rateOf(ogg) {
    for (var at = 0; at + 16 <= Math.min(ogg.length, 64); ++at) {
      if (ogg[at] === 1 && String.fromCharCode.apply(null, ogg.subarray(at + 1, at + 7)) === 'vorbis') {
        return new DataView(ogg.buffer, ogg.byteOffset + at + 12, 4).getUint32(0, true);
      }
    }
    return 0;
  }

  function decodeSound(folder, name) {
    var ogg = FS.readFile(folder + '/' + name);
    var rate = rateOf(ogg);
    if (rate < 8000 || rate > 96000) {
      console.warn('sound: ' + name + ' is not a Vorbis file the page can decode');
      return Promise.resolve();
    }
    var context = new OfflineAudioContext(1, 1, rate);
    // decodeAudioData takes the buffer over, so it gets a copy of just the file's bytes.
    return context.decodeAudioData(ogg.slice().buffer).then(function (decoded) {
      var wav = wavOf(decoded.getChannelData(0), decoded.sampleRate);
      FS.writeFile(folder + '/' + name.replace(/\.ogg$/, '.wav'), wav);
    }, function (error) {
      console.warn('sound: the browser cannot decode ' + name + ': ' + error);
    });
  }

  function decodeAllSounds() {
    if (typeof OfflineAudioContext === 'undefined') return Promise.resolve();
    var decoding = [];
    SOUND_FOLDERS.forEach(function (folder) {
      var names = [];
      try {
        names = FS.readdir(folder).filter(function (name) { return /\.ogg$/.test(name); });
      } catch (e) {
        return;  // a package without this folder
      }
      names.forEach(function (name) { decoding.push(decodeSound(folder, name)); });
    });
    return Promise.all(decoding);
  }

  var whenReady = Module['onRuntimeInitialized'];
  Module['onRuntimeInitialized'] = function () {
    decodeAllSounds().then(function () {
      if (whenReady) whenReady();
    });
  };
})();
