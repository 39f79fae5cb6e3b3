#include "JavaTestSupport.h"

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "PEVUnicodeString.h"
#include "SuiteHelpers.h"

extern char** environ;

namespace {

const char kScenarioVariable[] = "ORV_JAVA_TEST_SCENARIO";
const char kRecorder[] = "com/marvolt/tovakconfigmanagement/orvcmjservices/ORVJniError";

std::map<std::string, void (*)()>& Scenarios() {
  static std::map<std::string, void (*)()> scenarios;
  return scenarios;
}

jclass Recorder(JNIEnv* iEnv) {
  jclass recorder = iEnv->FindClass(kRecorder);
  if (!recorder) {
    iEnv->ExceptionClear();
    ADD_FAILURE() << "the recording class is not on the class path";
  }
  return recorder;
}

// The watched environment: the real one, and the counts of the one watch.
JNIEnv* watchedEnv = nullptr;
JniCallCounts* watchCounts = nullptr;

void Watch() {
  if (watchedEnv->ExceptionCheck()) ++watchCounts->_CallsWithExceptionPending;
}
jobject Made(jobject iReference) {
  if (iReference) ++watchCounts->_LocalReferencesMade;
  return iReference;
}

jclass JNICALL WatchedFindClass(JNIEnv*, const char* iName) {
  Watch();
  return (jclass)Made(watchedEnv->FindClass(iName));
}
jboolean JNICALL WatchedExceptionCheck(JNIEnv*) {
  return watchedEnv->ExceptionCheck();
}
void JNICALL WatchedExceptionDescribe(JNIEnv*) {
  watchedEnv->ExceptionDescribe();
}
void JNICALL WatchedExceptionClear(JNIEnv*) {
  watchedEnv->ExceptionClear();
}
void JNICALL WatchedDeleteLocalRef(JNIEnv*, jobject iReference) {
  Watch();
  if (iReference) ++watchCounts->_LocalReferencesDeleted;
  watchedEnv->DeleteLocalRef(iReference);
}
jmethodID JNICALL WatchedGetStaticMethodID(JNIEnv*, jclass iClass, const char* iName,
                                           const char* iSignature) {
  Watch();
  return watchedEnv->GetStaticMethodID(iClass, iName, iSignature);
}
jstring JNICALL WatchedNewString(JNIEnv*, const jchar* iUnits, jsize iCount) {
  Watch();
  return (jstring)Made(watchedEnv->NewString(iUnits, iCount));
}
void JNICALL WatchedCallStaticVoidMethodV(JNIEnv*, jclass iClass, jmethodID iMethod,
                                          va_list iArguments) {
  Watch();
  watchedEnv->CallStaticVoidMethodV(iClass, iMethod, iArguments);
}

}  // namespace

std::string RecorderClassPath() {
  return ORV_RECORDER_JAR;
}

std::string WithoutMethodsClassPath() {
  return ORV_WITHOUT_METHODS_JAR;
}

JNIEnv* StartJvm(const std::string& iClassPath) {
  static JNIEnv* env = nullptr;
  if (env) return env;
  std::string classPath = "-Djava.class.path=" + iClassPath;
  JavaVMOption options[] = {{const_cast<char*>(classPath.c_str()), nullptr},
                            {const_cast<char*>("-Xcheck:jni"), nullptr}};
  JavaVMInitArgs arguments{};
  arguments.version = JNI_VERSION_1_8;
  arguments.nOptions = (jint)(sizeof options / sizeof options[0]);
  arguments.options = options;
  JavaVM* jvm = nullptr;
  if (JNI_CreateJavaVM(&jvm, (void**)&env, &arguments) != JNI_OK) {
    fprintf(stderr, "cannot start a JVM\n");
    abort();
  }
  return env;
}

std::vector<std::string> ReceivedCalls(JNIEnv* iEnv) {
  std::vector<std::string> calls;
  jclass recorder = Recorder(iEnv);
  if (!recorder) return calls;
  jmethodID received = iEnv->GetStaticMethodID(recorder, "Received", "()Ljava/lang/String;");
  auto text = (jstring)iEnv->CallStaticObjectMethod(recorder, received);
  if (iEnv->ExceptionCheck()) {
    iEnv->ExceptionDescribe();
    iEnv->ExceptionClear();
    ADD_FAILURE() << "the recording class did not hand its calls";
    return calls;
  }
  const jchar* units = iEnv->GetStringChars(text, nullptr);
  jsize count = iEnv->GetStringLength(text);
  jsize start = 0;
  for (jsize i = 0; i < count; ++i) {
    if (units[i] != 0) continue;
    calls.push_back(Utf8(PEVUnicodeString((const char16_t*)units + start, (int)(i - start))));
    start = i + 1;
  }
  iEnv->ReleaseStringChars(text, units);
  iEnv->DeleteLocalRef(text);
  iEnv->DeleteLocalRef(recorder);
  return calls;
}

void FailNextCalls(JNIEnv* iEnv, int iCount) {
  jclass recorder = Recorder(iEnv);
  if (!recorder) return;
  iEnv->CallStaticVoidMethod(recorder, iEnv->GetStaticMethodID(recorder, "FailNextCalls", "(I)V"),
                             (jint)iCount);
  if (iEnv->ExceptionCheck()) iEnv->ExceptionClear();
  iEnv->DeleteLocalRef(recorder);
}

JNIEnv* WatchingEnv(JNIEnv* iEnv, JniCallCounts& ioCounts) {
  // Any other function is null: a display calling one fails loudly.
  static JNINativeInterface_ functions{};
  static JNIEnv_ env{};
  functions.FindClass = WatchedFindClass;
  functions.ExceptionCheck = WatchedExceptionCheck;
  functions.ExceptionDescribe = WatchedExceptionDescribe;
  functions.ExceptionClear = WatchedExceptionClear;
  functions.DeleteLocalRef = WatchedDeleteLocalRef;
  functions.GetStaticMethodID = WatchedGetStaticMethodID;
  functions.NewString = WatchedNewString;
  functions.CallStaticVoidMethodV = WatchedCallStaticVoidMethodV;
  env.functions = &functions;
  watchedEnv = iEnv;
  watchCounts = &ioCounts;
  return &env;
}

JavaScenario::JavaScenario(const char* iName, void (*iBody)()) {
  Scenarios()[iName] = iBody;
}

ChildResult RunScenario(const std::string& iName,
                        const std::vector<std::pair<std::string, std::string>>& iEnvironment) {
  std::vector<std::string> variables;
  for (char** variable = environ; *variable; ++variable)
    variables.emplace_back(*variable);
  variables.push_back(std::string(kScenarioVariable) + "=" + iName);
  for (const auto& [name, value] : iEnvironment)
    variables.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& variable : variables)
    envp.push_back(&variable[0]);
  envp.push_back(nullptr);

  int out[2], err[2];
  ChildResult result;
  if (pipe(out) != 0 || pipe(err) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  char self[] = "/proc/self/exe";
  char* argv[] = {self, nullptr};
  pid_t child = -1;
  int spawned = posix_spawn(&child, self, &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(err[1]);
  if (spawned != 0) {
    close(out[0]);
    close(err[0]);
    return result;
  }
  pollfd fds[] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* texts[] = {&result._Stdout, &result._Stderr};
  int open = 2;
  while (open > 0 && poll(fds, 2, -1) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      ssize_t count = read(fds[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        texts[i]->append(buffer, (std::size_t)count);
        continue;
      }
      close(fds[i].fd);
      fds[i].fd = -1;
      --open;
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  result._Exited = WIFEXITED(status);
  result._ExitStatus = result._Exited ? WEXITSTATUS(status) : -1;
  result._Signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  return result;
}

void RunScenarioOfEnvironment() {
  const char* name = getenv(kScenarioVariable);
  if (!name) return;
  auto scenario = Scenarios().find(name);
  if (scenario == Scenarios().end()) {
    fprintf(stderr, "no scenario %s\n", name);
    _exit(2);
  }
  scenario->second();
  fflush(stdout);
  _exit(0);
}
