#include "serverclient/AsyncTicket.h"

#include "serverclient/SessionBasedClass.h"

AsyncTicket::AsyncTicket(SessionBasedClass* parent)
    : mAsyncTicket(static_cast<QuillonNBTicket*>(quillon_malloc(sizeof(QuillonNBTicket)))),
      mParentObject(parent) {}

AsyncTicket::~AsyncTicket() {
  if (mAsyncTicket) NB_destroy(mAsyncTicket);
}

bool AsyncTicket::IsDone(float* progress) {
  float current = 0.0f;
  int32_t scratch = 0;
  QuillonResult result = 0;
  NB_checkTicket(mAsyncTicket, &current, &scratch, &result);
  *progress = current;
  if (current >= 100.0f) {
    mLastResult = result;
    if (mParentObject) mParentObject->DeliverCompletion(this, result);
  }
  return false;
}

void AsyncTicket::BlockUntilDone() {
  NB_block(mAsyncTicket);
  float scratch = 0.0f;
  IsDone(&scratch);
}
