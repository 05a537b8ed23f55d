#ifndef MEDIAFILEPICKERCALLBACK_H
#define MEDIAFILEPICKERCALLBACK_H

// Told by a MediaFilePicker that the user finished a choice: status 0 for a chosen file (the
// picker's fileList holds it), anything else for a cancel. The notice arrives while the
// picker's pickRingtone is still running, so the receiver may close the picker but must not
// delete it there.
class MediaFilePickerCallback
{
public:
    virtual ~MediaFilePickerCallback() {}
    virtual void onPickerDone(int status) = 0;
};

#endif
